#include "app/program.h"
#include "platform/components.h"
#include "platform/ini_file.h"
#include "platform/language_files.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"
#include "support/test_support.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QStringDecoder>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

bool hasCyrillic(const QString &s)
{
    for (QChar c : s) {
        if (c.unicode() >= 0x0410 && c.unicode() <= 0x044F)
            return true;
    }
    return false;
}

TEST(ShippedPacks, TheSelectionListsEveryLanguageByName)
{
    const QStringList files = findLanguageFiles(sourceDataDir());
    EXPECT_EQ(files, (QStringList{"QL2Deu.ini", "QL2Eng.ini", "QL2Rus.ini"}));
    EXPECT_EQ(languageDisplayName(sourceDataDir() + "QL2Deu.ini"), "Deutsch");
    EXPECT_EQ(languageDisplayName(sourceDataDir() + "QL2Eng.ini"), "English");
    EXPECT_EQ(languageDisplayName(sourceDataDir() + "QL2Rus.ini"), QString::fromUtf8("Русский"));
}

TEST(ShippedPacks, RussianTextsShowCyrillicLetters)
{
    if (!QFile::exists(sourceDataDir() + "QL2Rus.ini"))
        GTEST_SKIP() << "no Russian pack";
    TempConfigHome config;
    ModalAnswerer boxes([](QWidget *w) { w->close(); });
    Program program(sourceDataDir(), {QStringLiteral("QL2Rus.ini")});
    ASSERT_TRUE(program.start());
    TfrmMain &m = *program.frmMain();
    EXPECT_EQ(m.charset(), 204);
    EXPECT_EQ(m.infoPath(), sourceDataDir() + "InfoRus/");

    // Every label is the windows-1251 reading of its bytes, in Cyrillic.
    const IniFile raw(sourceDataDir() + "QL2Rus.ini");
    for (const char *key : {"InvalidDisplaySettings", "ErrorLoadingInfo", "lbT001Time", "btnT004Cancel",
                            "lbT058Error", "lbCongratulations", "lbTopicComplete"}) {
        SCOPED_TRACE(key);
        QStringDecoder cp1251("windows-1251");
        const QString expected = cp1251.decode(raw.readString("LABELS", key, ""));
        EXPECT_EQ(m.langText("LABELS", key, ""), expected);
        EXPECT_TRUE(hasCyrillic(expected)) << expected.toStdString();
    }
    for (const char *key : {"T004Name", "T050Name", "T051Name", "T059Name"})
        EXPECT_TRUE(hasCyrillic(m.langText("PAGES", key, ""))) << key;

    // The title page: its instructions and the countdown line.
    m.FormShow();
    EXPECT_TRUE(boxes.titles().isEmpty());
    EXPECT_TRUE(hasCyrillic(m.reMain->toPlainText()));
    m.tmrTimerT001Timer();
    EXPECT_TRUE(hasCyrillic(m.lbT001Time->text())) << m.lbT001Time->text().toStdString();
    EXPECT_TRUE(m.lbT001Time->text().contains(QStringLiteral("29")));

    // The contents dialog's caption, group box and entries.
    QString caption, group, firstLesson;
    ModalAnswerer contents([&](QWidget *w) {
        if (auto *d = qobject_cast<TfrmContents *>(w)) {
            caption = d->windowTitle();
            group = d->gbCnt->title();
            d->reject();
        }
    });
    QTest::mouseClick(m.tbContents, Qt::LeftButton);
    EXPECT_TRUE(hasCyrillic(caption));
    EXPECT_EQ(group, caption);
    m.LeavePage(m.currentPage());
}

// The German pack is in the Western code page: its umlauts and its quotes
// come through as letters, in the labels, the course pages and the contents.
TEST(ShippedPacks, GermanTextsShowUmlauts)
{
    TempConfigHome config;
    ModalAnswerer boxes([](QWidget *w) { w->close(); });
    Program program(sourceDataDir(), {QStringLiteral("QL2Deu.ini")});
    ASSERT_TRUE(program.start());
    TfrmMain &m = *program.frmMain();
    EXPECT_EQ(m.charset(), 0);
    EXPECT_EQ(m.infoPath(), sourceDataDir() + "InfoDeu/");
    EXPECT_EQ(m.langText("LABELS", "lbCongratulations", ""), QString::fromUtf8("Herzlichen Glückwunsch!"));
    EXPECT_EQ(m.langText("LABELS", "lbTopicComplete", ""),
              QString::fromUtf8("Sie haben das Thema „%s“ abgeschlossen."));
    EXPECT_EQ(m.langText("PAGES", "T059Name", ""), QString::fromUtf8("Abschlussübung"));

    // The title page: its instructions and the countdown line.
    m.FormShow();
    EXPECT_TRUE(boxes.titles().isEmpty());
    const QString instructions = m.reMain->toPlainText();
    EXPECT_TRUE(instructions.contains(QString::fromUtf8("Schritt für Schritt"))) << instructions.toStdString();
    m.tmrTimerT001Timer();
    EXPECT_EQ(m.lbT001Time->text(),
              QString::fromUtf8("Der Kurs beginnt in 29. Drücken Sie die Eingabetaste, um gleich zu beginnen."));

    QString caption;
    ModalAnswerer contents([&](QWidget *w) {
        if (auto *d = qobject_cast<TfrmContents *>(w)) {
            caption = d->windowTitle();
            d->reject();
        }
    });
    QTest::mouseClick(m.tbContents, Qt::LeftButton);
    EXPECT_EQ(caption, "Inhalt");
    m.LeavePage(m.currentPage());
}

}  // namespace
