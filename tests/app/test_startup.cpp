#include "app/frm_sel_lang.h"
#include "app/program.h"
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/classic_window.h"
#include "platform/error_report.h"
#include "platform/ini_file.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"
#include "support/test_support.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {

// A program directory with language files, and a configuration folder of its own.
class StartupTest : public ::testing::Test {
protected:
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }
    void language(const char *file, const QByteArray &content) { writeFile(dir() + file, content); }

    QTemporaryDir m_dir;
    TempConfigHome config;
};

QListWidget *languageList(QWidget *dialog)
{
    return dialog->findChild<QListWidget *>(QStringLiteral("lbLangs"));
}

void pressKey(QWidget *dialog, Qt::Key key)
{
    QTest::keyClick(languageList(dialog), key);
}

TEST_F(StartupTest, ArgumentNamingAFileStartsWithoutAsking)
{
    language("QL2Eng.ini", "[LANGUAGE]\nName=English\n");
    language("QL2Rus.ini", "[LANGUAGE]\nName=Russian\n");
    ModalAnswerer unexpected([](QWidget *w) { w->close(); });

    Program program(dir(), {QStringLiteral("QL2Eng.ini")});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(unexpected.count(), 0);
    EXPECT_EQ(program.langFileName(), dir() + "QL2Eng.ini");
    EXPECT_EQ(program.frmSelLang(), nullptr);  // the learner was not asked
    ASSERT_NE(program.frmMain(), nullptr);
    EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "QL2Eng.ini");
    // Every window exists, hidden, owned by the main window.
    EXPECT_FALSE(program.frmMain()->isVisible());
    const TfrmMain &m = *program.frmMain();
    for (const QWidget *w : std::initializer_list<const QWidget *>{
             m.frmContents, m.frmWordpad, m.frmOpnDlg, m.frmMsgDlg}) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parent(), &m);
        EXPECT_FALSE(w->isVisible());
    }
}

TEST_F(StartupTest, ArgumentNamingAMissingFileAsksOnce)
{
    language("QL2A.ini", "[LANGUAGE]\nName=Alpha\n");
    language("QL2B.ini", "[LANGUAGE]\nName=Beta\n");
    ModalAnswerer answer([](QWidget *w) {
        QListWidget *list = languageList(w);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    });

    Program program(dir(), {QStringLiteral("QL2Missing.ini")});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(answer.titles(), QStringList{"Select language"});
    EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "QL2B.ini");
}

TEST_F(StartupTest, NoArgumentListsTheLanguagesSortedAndEnterTakesTheFirst)
{
    language("QL2b.ini", "[LANGUAGE]\nName=Bravo\n");
    language("QL2A.ini", "[LANGUAGE]\nName=Alpha\n");
    language("QL2c.ini", "[OTHER]\nKey=1\n");  // no name: an empty row, still a choice
    QStringList rows;
    int selected = -1;
    QPoint offCentre;
    ModalAnswerer answer([&](QWidget *w) {
        // The whole window, frame and all, stands in the middle of the screen.
        offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
        QListWidget *list = languageList(w);
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        selected = list->currentRow();
        pressKey(w, Qt::Key_Return);
    });

    Program program(dir(), {});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(rows, (QStringList{"Alpha", "Bravo", ""}));
    EXPECT_EQ(selected, 0);
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "QL2A.ini");
}

// English, the dialog's own language, is the first choice where it ships,
// though Deutsch sorts before it.
TEST_F(StartupTest, NoArgumentEnterTakesEnglishWhereItShips)
{
    language("QL2Deu.ini", "[LANGUAGE]\nName=Deutsch\n");
    language("QL2Eng.ini", "[LANGUAGE]\nName=English\n");
    language("QL2Rus.ini", "[LANGUAGE]\nName=Russian\n");
    QStringList rows;
    ModalAnswerer answer([&](QWidget *w) {
        QListWidget *list = languageList(w);
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        pressKey(w, Qt::Key_Return);
    });

    Program program(dir(), {});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(rows, (QStringList{"Deutsch", "English", "Russian"}));
    EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "QL2Eng.ini");
}

TEST_F(StartupTest, CancelEndsTheProgramWithoutWindowsOrProgress)
{
    language("QL2Eng.ini", "[LANGUAGE]\nName=English\n");
    const struct {
        const char *name;
        QStringList args;
        std::function<void(QWidget *)> cancel;
    } cases[] = {
        {"Cancel button, no argument", {},
         [](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>("Button2"), Qt::LeftButton); }},
        {"Esc, missing file", {"QL2Gone.ini"}, [](QWidget *w) { pressKey(w, Qt::Key_Escape); }},
        {"close request, no argument", {}, [](QWidget *w) { w->close(); }},
        {"close box, missing file", {"QL2Gone.ini"},
         [](QWidget *w) { clickCloseBox(qobject_cast<TClassicDialog *>(w)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ModalAnswerer answer(c.cancel);
        Program program(dir(), c.args);
        EXPECT_FALSE(program.start());
        EXPECT_EQ(answer.count(), 1);  // no second dialog
        EXPECT_EQ(program.frmMain(), nullptr);
        EXPECT_TRUE(program.langFileName().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(config.progressFile()));
    EXPECT_TRUE(QApplication::topLevelWidgets().size() <= 1);
}

TEST_F(StartupTest, OkWithNoLanguageFileKeepsTheDialogOpen)
{
    bool stillOpenAfterOk = false;
    ModalAnswerer answer([&](QWidget *w) {
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        stillOpenAfterOk = w->isVisible();
        pressKey(w, Qt::Key_Escape);
    });
    Program program(dir(), {});
    EXPECT_FALSE(program.start());
    EXPECT_TRUE(stillOpenAfterOk);
}

TEST_F(StartupTest, ArgumentIsAlwaysInsideTheProgramDirectory)
{
    language("sub/QL2Eng.ini", "[LANGUAGE]\nName=English\n");
    ModalAnswerer unexpected([](QWidget *w) { w->close(); });
    Program program(dir(), {QStringLiteral("sub\\QL2Eng.ini")});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "sub/QL2Eng.ini");
    EXPECT_EQ(unexpected.count(), 0);
}

// A file that is there but is no language file is named to the learner, who
// chooses again; cancelling then ends the program.
TEST_F(StartupTest, AFileThatIsNoLanguageFileIsNamedAndTheChoiceAskedAgain)
{
    language("QL2Eng.ini", "[LANGUAGE]\nName=English\n");
    language("QL2Junk.ini", QByteArray("\x8f\x01\xff[LANG\x00UAGE\n\xfe=\x02", 16));
    QStringList errors;
    setErrorReporter([&](const QString &message) { errors << message; });
    const QString junk = dir() + "QL2Junk.ini";
    const struct {
        const char *name;
        std::function<void(QWidget *)> answer;
        bool started;
    } cases[] = {
        {"another choice", [](QWidget *w) { pressKey(w, Qt::Key_Return); }, true},
        {"cancelled", [](QWidget *w) { pressKey(w, Qt::Key_Escape); }, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        ModalAnswerer answer(c.answer);
        Program program(dir(), {QStringLiteral("QL2Junk.ini")});
        EXPECT_EQ(program.start(), c.started);
        EXPECT_EQ(errors, QStringList{junk + " is not a language file of Quillan 2: it has no "
                                             "[LANGUAGE] section."});
        EXPECT_EQ(answer.titles(), QStringList{"Select language"});
        if (c.started)
            EXPECT_EQ(program.frmMain()->langFile().path(), dir() + "QL2Eng.ini");
        else
            EXPECT_EQ(program.frmMain(), nullptr);
    }
    setErrorReporter({});
}

}  // namespace
