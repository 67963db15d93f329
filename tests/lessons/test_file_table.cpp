#include "lessons/file_table.h"
#include "lessons/file_table_folder.h"
#include "platform/code_page.h"
#include "platform/desktop_words.h"
#include "platform/ini_file.h"
#include "support/core_test_support.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

QStringList captions(const QList<FileRow> &rows)
{
    QStringList out;
    for (const FileRow &r : rows)
        out << r.caption;
    return out;
}

struct TableCase {
    const char *name;
    int filter;
    int page;
    QStringList files;
};

class FileTableRows : public ::testing::TestWithParam<TableCase> {};

TEST_P(FileTableRows, ListsTheFilesOfTheTypeInFolderOrder)
{
    const TableCase &c = GetParam();
    EXPECT_EQ(captions(fileTableRows(c.filter, c.page, kNow, ":")), c.files);
}

INSTANTIATE_TEST_SUITE_P(
    FileTable, FileTableRows,
    ::testing::Values(
        TableCase{"WordpadBeforeT057", 0, 6, {"Document1", "Document3"}},
        TableCase{"WordpadFromT057", 0, 7, {"Document1", "Document3", "My Document"}},
        TableCase{"TextBeforeT057", 1, 2, {"Document2", "Document4"}},
        TableCase{"TextFromT057", 1, 9, {"Document2", "Document4"}},
        TableCase{"AllBeforeT057", 2, 6, kAll},
        TableCase{"AllFromT057", 2, 7, kAllWithMine},
        TableCase{"NoSuchFilter", 3, 7, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FileTable, RowsCarryTheirExactTextsAndIcons)
{
    const QList<FileRow> rows = fileTableRows(2, 7, kNow, ".");
    const QList<FileRow> expected{
        {"Document1", "32KB", "WordPad Document", "27.12.1999 14:23", 9, "Document1"},
        {"Document2", "2KB", "Text Document", "23.12.1999 11:52", 4, "Document2"},
        {"Document3", "12KB", "WordPad Document", "21.12.1999 13:20", 9, "Document3"},
        {"Document4", "23KB", "Text Document", "27.12.1999 14:24", 4, "Document4"},
        {"My Document", "1KB", "Wordpad Document", "05.03.24 07.09", 9, "MyDocument"},
        {"Picture1", "13KB", "Bitmap Image", "29.12.1999 19:24", 19, "Picture1"},
        {"Picture2", "110KB", "Bitmap Image", "28.12.1999 12:36", 19, "Picture2"},
        {"Picture3", "53KB", "Bitmap Image", "26.12.1999 1:13", 19, "Picture3"},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].caption, expected[i].caption);
        EXPECT_EQ(rows[i].size, expected[i].size) << i;
        EXPECT_EQ(rows[i].typeName, expected[i].typeName) << i;
        EXPECT_EQ(rows[i].modified, expected[i].modified) << i;
        EXPECT_EQ(rows[i].imageIndex, expected[i].imageIndex) << i;
        EXPECT_EQ(rows[i].word, expected[i].word) << i;
    }
}

TEST(FileTable, DateHasTwoDigitFieldsAndTheGivenSeparator)
{
    const struct {
        QDateTime time;
        QString separator;
        QString text;
    } cases[] = {
        {kNow, ":", "05.03.24 07:09"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), ".", "31.12.99 23.59"},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0)), ":", "01.01.00 00:00"},
        {QDateTime(QDate(2105, 11, 20), QTime(12, 30)), " h ", "20.11.05 12 h 30"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileDateText(c.time, c.separator), c.text) << c.time.toString().toStdString();
}

TEST(FileTable, TimeSeparatorComesFromTheTimeFormat)
{
    const struct {
        const char *format;
        const char *separator;
    } cases[] = {
        {"HH:mm", ":"},    {"H.mm", "."},   {"h:mm AP", ":"}, {"AP h:mm", ":"},
        {"HH 'h' mm", " h "}, {"HHmm", ":"}, {"mm:ss", ":"},   {"", ":"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(timeSeparatorOf(c.format), c.separator) << c.format;
}

// ---------------------------------------------------------------- name check

struct NameCase {
    int mode;
    const char *name;
    int type;
    bool accepted;
};

TEST(FileTable, NameCheckAcceptsOnlyTheExpectedNameInAnyLetterCase)
{
    const NameCase cases[] = {
        // Opening Document2: any type.
        {1, "Document2", 0, true},
        {1, "document2", 0, true},
        {1, "dOCUMENT2", 1, true},
        {1, "DOCUMENT2", 2, true},
        {1, "Document2 ", 0, false},
        {1, " Document2", 0, false},
        {1, "Document2.txt", 1, false},
        {1, "Document 2", 0, false},
        {1, "Document*", 0, false},
        {1, "Document1", 0, false},
        {1, "", 0, false},
        // Saving: the WordPad type only.
        {2, "my document", 0, true},
        {2, "My Document", 1, false},
        {2, "My Document", 2, false},
        {2, "MyDocument", 0, false},
        {2, "My Document.doc", 0, false},
        {3, "Comments", 0, true},
        {3, "COMMENTS", 1, false},
        {3, "Document2", 0, false},
        // A look-alike is not the letter: the long s is not an s.
        {3, "comment\u017F", 0, false},
        // No mode, or an unknown one, accepts nothing.
        {0, "Document2", 0, false},
        {0, "", 0, false},
        {4, "COMMENTS", 0, false},
    };
    for (const NameCase &c : cases) {
        EXPECT_EQ(fileNameAccepted(FileDialogMode(c.mode), QString::fromUtf8(c.name), c.type), c.accepted)
            << "mode " << c.mode << " name '" << c.name << "' type " << c.type;
    }
}

// The names are the language's: the learner types them in its letters, in
// either case, and the English names no longer pass.
TEST(FileTable, NameCheckTakesTheLanguagesNames)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QL2Xyz.ini"));
    const CodePage cyrillic = CodePage::forCharset(204);
    writeFile(path, cyrillic.encode(QString::fromUtf8("[LANGUAGE]\nCharset=204\n[DESKTOP]\nDocument2=Документ2\n"
                                                      "MyDocument=Мой документ\nComments=Kommentar\n")));
    const DesktopWords pack(IniFile(path), cyrillic);
    setDesktopWords(pack);
    const NameCase cases[] = {
        {1, "документ2", 0, true},
        {2, "МОЙ ДОКУМЕНТ", 0, true},
        {2, "My Document", 0, false},
        {1, "Document2", 0, false},
        {3, "KOMMENTAR", 0, true},
        {3, "\u212Aommentar", 0, false},  // the Kelvin sign is not a K
    };
    for (const NameCase &c : cases) {
        EXPECT_EQ(fileNameAccepted(FileDialogMode(c.mode), QString::fromUtf8(c.name), c.type), c.accepted)
            << "mode " << c.mode << " name '" << c.name << "'";
    }
    const QList<FileRow> rows = fileTableRows(0, 7, QDateTime(QDate(2026, 1, 2), QTime(3, 4)), ":");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2].caption, pack.text("MyDocument"));
    EXPECT_EQ(rows[2].word, "MyDocument");
    setDesktopWords(DesktopWords());
}

}  // namespace
