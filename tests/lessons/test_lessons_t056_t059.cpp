#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/code_page.h"
#include "platform/classic_window.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QByteArray kMyDocument =
    "[DOCUMENT]\r\nLine0=Dear Ann,\r\nLine1=\r\nLine2=  see you soon  \r\n";

const QByteArray kCompletionTexts =
    "[LABELS]\r\nlbCongratulations=Congratulations!\r\n"
    "lbTopicComplete=You have completed the topic \"%s\".\r\n"
    "[PAGES]\r\nT050Name=Working with a word processor\r\n";

// The section as the progress file holds it, or empty.
QByteArray storedSection(const CourseFixture &f, const char *name)
{
    const QByteArray file = readFile(f.progressFile());
    const qsizetype at = file.indexOf(QByteArray("[") + name + "]");
    if (at < 0)
        return {};
    const qsizetype end = file.indexOf("\r\n[", at + 1);
    return file.mid(at, end < 0 ? -1 : end + 2 - at);
}

void pressKey(CourseFixture &f, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    f.focusWordpad();
    QTest::keyClick(f.main().frmWordpad->reWPad, key, modifiers);
}

// Saves through the Save dialog under the name given; returns whether the
// dialog appeared.
bool saveAs(CourseFixture &f, const QString &name)
{
    bool shown = false;
    answer<TfrmOpnDlg>(
        [&](TfrmOpnDlg *d) {
            shown = true;
            QTest::keyClicks(d->edName, name);
            QTest::keyClick(d->edName, Qt::Key_Return);
        },
        [&] { pressKey(f, Qt::Key_S); });
    return shown;
}

void clickClose(TfrmWordpad *wp)
{
    QTest::mouseClick(wp, Qt::LeftButton, {}, wp->buttonRect(Ht::HTCLOSE).center());
}

TEST(LessonT056, SavesMyDocumentByNameOnceThenAtOnce)
{
    CourseFixture f({}, progressWith(6));
    f.start();
    f.goTo(6);
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;
    EXPECT_FALSE(m.pnTaskbar->isEnabled());
    EXPECT_TRUE(wp->tbSave->isEnabled());
    EXPECT_FALSE(wp->tbNew->isEnabled() || wp->tbOpen->isEnabled() || wp->tbPrint->isEnabled());
    wp->reWPad->setPlainText(QStringLiteral("Dear Ann,\n\nsee you"));

    // Cancelled: nothing is written and nothing changes.
    answer<TfrmOpnDlg>([](TfrmOpnDlg *d) { QTest::mouseClick(d->Button2, Qt::LeftButton); },
                       [&] { QTest::mouseClick(wp->tbSave, Qt::LeftButton); });
    EXPECT_EQ(storedSection(f, "DOCUMENT"), "");
    EXPECT_EQ(wp->caption(), "Document - Wordpad");
    EXPECT_FALSE(m.tbForward->isEnabled());

    // The list has no "My Document" yet; the name in any case saves it.
    answer<TfrmOpnDlg>(
        [](TfrmOpnDlg *d) {
            EXPECT_EQ(d->windowTitle(), "Save");
            for (int i = 0; i < d->lvFiles->count(); ++i)
                EXPECT_NE(d->lvFiles->item(i)->data(FileWordRole).toByteArray(), "MyDocument");
            QTest::keyClicks(d->edName, QStringLiteral("my DOCUMENT"));
            QTest::mouseClick(d->btnOpen, Qt::LeftButton);
        },
        [&] { pressKey(f, Qt::Key_S); });
    EXPECT_EQ(storedSection(f, "DOCUMENT"), "[DOCUMENT]\r\nLine0=\"Dear Ann,\"\r\nLine1=\"\"\r\nLine2=\"see you\"\r\n");
    EXPECT_EQ(wp->caption(), "My Document - Wordpad");
    EXPECT_EQ(m.sbWPad->text(), "My Document - Wordpad");
    EXPECT_TRUE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "7");

    // Saved once, a shorter text is saved at once and leaves no old lines.
    wp->reWPad->setPlainText(QStringLiteral("Dear Ann"));
    EXPECT_FALSE(saveAs(f, {}));
    EXPECT_EQ(storedSection(f, "DOCUMENT"), "[DOCUMENT]\r\nLine0=\"Dear Ann\"\r\n");

    // A new visit asks for the name again; leaving restores the window.
    f.goTo(5);
    EXPECT_EQ(wp->caption(), "Document - Wordpad");
    EXPECT_EQ(m.sbWPad->text(), "Document - Wordpad");
    f.goTo(6);
    EXPECT_TRUE(saveAs(f, QStringLiteral("My Document")));
}

TEST(LessonT056, ARefusedWriteIsReportedAndNothingElseChanges)
{
    CourseFixture f({}, progressWith(6));
    f.start();
    f.goTo(6);
    TfrmWordpad *wp = f.main().frmWordpad;
    wp->reWPad->setPlainText(QStringLiteral("kept in the window"));
    QFile::setPermissions(f.progressFile(), QFile::ReadOwner);
    EXPECT_TRUE(saveAs(f, QStringLiteral("My Document")));
    EXPECT_EQ(f.errors, QStringList{"Unable to write to " + f.progressFile()});
    EXPECT_EQ(wp->caption(), "Document - Wordpad");
    EXPECT_EQ(f.storedMaxIndex(), "6");
    EXPECT_FALSE(f.main().tbForward->isEnabled());
    // The next Save asks again; once saved, the one after saves at once.
    QFile::setPermissions(f.progressFile(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(saveAs(f, QStringLiteral("My Document")));
    EXPECT_EQ(wp->caption(), "My Document - Wordpad");
    EXPECT_FALSE(saveAs(f, QStringLiteral("My Document")));
}

// What the lesson hooks of T057, T058 and T059 swallow. T057 and T059 let
// the close button answer; T059 refuses the close command itself until the
// comments are saved. T058 and T059 let the menu bar open by keyboard (a
// learner without a pointer prints through File); the window menu stays shut.
TEST(LessonHooks, T057ToT059KeepOnlyTheCloseButtonAndTheMenuBarAlive)
{
    const struct {
        const char *name;
        unsigned msg;
        quintptr wParam;
        qintptr lParam;
        int hitAt;  // for hit tests: the place asked about
        bool swallowed[3];  // on T057, T058, T059
    } cases[] = {
        {"window-menu icon", Msg::WM_NCHITTEST, 0, 0, Ht::HTSYSMENU, {true, true, true}},
        {"minimise button", Msg::WM_NCHITTEST, 0, 0, Ht::HTMINBUTTON, {true, true, true}},
        {"close button", Msg::WM_NCHITTEST, 0, 0, Ht::HTCLOSE, {false, true, false}},
        {"maximise button", Msg::WM_NCHITTEST, 0, 0, Ht::HTMAXBUTTON, {false, false, false}},
        {"caption", Msg::WM_NCHITTEST, 0, 0, Ht::HTCAPTION, {false, false, false}},
        {"minimise", Msg::WM_SYSCOMMAND, Sc::SC_MINIMIZE, 0, 0, {true, true, true}},
        {"window menu by mouse", Msg::WM_SYSCOMMAND, Sc::SC_MOUSEMENU, 0, 0, {true, true, true}},
        {"window menu by keyboard (Alt+Space)", Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, ' ', 0, {true, true, true}},
        {"menu bar by keyboard (Alt)", Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, 0, 0, {true, false, false}},
        {"menu bar by keyboard (Alt+F)", Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, 'f', 0, {true, false, false}},
        {"default command", Msg::WM_SYSCOMMAND, Sc::SC_DEFAULT, 0, 0, {true, true, true}},
        {"close", Msg::WM_SYSCOMMAND, Sc::SC_CLOSE, 0, 0, {false, true, true}},
        {"close, other bits", Msg::WM_SYSCOMMAND, Sc::SC_CLOSE + 1, 0, 0, {false, false, false}},
        {"move", Msg::WM_SYSCOMMAND, Sc::SC_MOVE + Ht::HTCAPTION, 0, 0, {false, false, false}},
        {"maximise", Msg::WM_SYSCOMMAND, Sc::SC_MAXIMIZE, 0, 0, {false, false, false}},
        {"menu bar click", Msg::WM_SYSCOMMAND, Sc::SC_MOUSEMENU + Ht::HTMENU, 0, 0, {false, false, false}},
    };
    for (int page : {7, 8, 9}) {
        CourseFixture f({}, progressWith(9) + kMyDocument);
        f.start();
        f.goTo(page);
        TfrmMain &m = f.main();
        TfrmWordpad *wp = m.frmWordpad;
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " on T05" + std::to_string(page));
            TMessage msg{c.msg, c.wParam, c.lParam, 0};
            if (c.msg == Msg::WM_NCHITTEST) {
                const QPoint at = c.hitAt == Ht::HTCAPTION ? wp->captionRect().center()
                                  : c.hitAt == Ht::HTSYSMENU ? QPoint(10, 10)
                                                             : wp->buttonRect(c.hitAt).center();
                ASSERT_EQ(wp->defaultHitTest(at), c.hitAt);
                msg.LParam = pointParam(at);
            }
            bool handled = false;
            if (page == 7)
                m.whHookT057BeforeMessage(wp, msg, handled);
            else if (page == 8)
                m.whHookT058BeforeMessage(wp, msg, handled);
            else
                m.whHookT059BeforeMessage(wp, msg, handled);
            EXPECT_EQ(handled, c.swallowed[page - 7]);
        }
    }
}

// The menu bar answers Alt and the first letter of a menu's word in the
// learner's language: Alt+Ф opens Файл on a Russian keyboard, Alt+П Правка.
TEST(LessonHooks, AltAndAMenusLetterOpenItInThePacksScript)
{
    const QByteArray words = CodePage::forCharset(204).encode(
        QString::fromUtf8("Charset=204\r\n[DESKTOP]\r\nMenuFile=Файл\r\nMenuEdit=Правка\r\n"));
    CourseFixture f(words, progressWith(9) + kMyDocument);
    f.start();
    f.goTo(8);
    QMenuBar *bar = f.main().frmWordpad->mmMenu;
    const struct {
        QChar letter;  // as a Russian keyboard gives it, a capital for the key
        QString menu;
    } cases[] = {{QChar(0x0424), QString::fromUtf8("Файл")}, {QChar(0x041F), QString::fromUtf8("Правка")}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.menu.toStdString());
        f.focusWordpad();
        QWidget *text = f.main().frmWordpad->reWPad;
        const auto key = Qt::Key(c.letter.unicode());
        QTest::sendKeyEvent(QTest::Press, text, key, QString(c.letter.toLower()), Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, text, key, QString(c.letter.toLower()), Qt::AltModifier);
        ASSERT_TRUE(bar->activeAction());
        EXPECT_EQ(bar->activeAction()->text(), c.menu);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
    }
}

TEST(LessonT057, CloseThenStartDocumentsMyDocumentReachesT058)
{
    CourseFixture f({}, progressWith(7) + kMyDocument);
    f.start();
    f.goTo(7);
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;
    wp->reWPad->setPlainText(QStringLiteral("the text of T056"));
    EXPECT_EQ(wp->caption(), "My Document - Wordpad");
    EXPECT_EQ(m.sbWPad->text(), "My Document - Wordpad");
    EXPECT_TRUE(wp->reWPad->isReadOnly());

    // Before the window is closed the taskbar does not react; minimising
    // and the window menu never work.
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    EXPECT_FALSE(m.imgT057Start->isVisible());
    QTest::mouseClick(wp, Qt::LeftButton, {}, wp->buttonRect(Ht::HTMINBUTTON).center());
    pressKey(f, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(wp->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    clickClose(wp);
    EXPECT_FALSE(wp->isVisible());
    EXPECT_FALSE(m.sbWPad->isVisible());
    EXPECT_TRUE(m.pnTaskbar->isEnabled());

    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    ASSERT_TRUE(m.imgT057Start->isVisible());
    EXPECT_EQ(m.imgT057Start->geometry(), QRect(0, m.nbMain->height() - 224 + 3, 152, 224));

    // Programs only highlights; Documents opens its submenu beside its row,
    // where Document2 does nothing and My Document opens T058.
    PopupDriver driver({[&](QMenu *docs) { PopupDriver::clickItem(docs, m.Document21); },
                        [&](QMenu *docs) { PopupDriver::clickItem(docs, m.mupuDocMyDoc); }});
    moveOver(m.imgT057Start, 60, 10);
    EXPECT_TRUE(driver.shown().isEmpty());
    moveOver(m.imgT057Start, 60, 40);
    ASSERT_EQ(driver.shown().size(), 1);
    EXPECT_EQ(driver.shown()[0], m.pmDocuments);
    EXPECT_EQ(m.pmDocuments->pos(), m.nbMain->mapToGlobal(QPoint(150, m.nbMain->height() - 224 + 36)));
    EXPECT_EQ(m.currentPage(), 7);
    moveOver(m.imgT057Start, 60, 50);

    EXPECT_EQ(m.currentPage(), 8);
    EXPECT_FALSE(m.sbStart->isChecked());
    EXPECT_FALSE(m.imgStartBottom->isVisible());
    EXPECT_FALSE(m.imgT057Start->isVisible());
    EXPECT_TRUE(wp->isVisible());
    EXPECT_TRUE(m.sbWPad->isVisible());
    EXPECT_EQ(m.sbWPad->text(), "My Document - Wordpad");
    EXPECT_EQ(wp->reWPad->toPlainText(), "Dear Ann,\n\nsee you soon");
    EXPECT_FALSE(wp->reWPad->document()->isModified());
    EXPECT_TRUE(wp->reWPad->isReadOnly());
    EXPECT_TRUE(wp->tbPrint->isEnabled());
    EXPECT_FALSE(wp->tbNew->isEnabled() || wp->tbOpen->isEnabled() || wp->tbSave->isEnabled());
    EXPECT_FALSE(m.pnTaskbar->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "8");

    // The text cannot be changed, and the window does not close.
    pressKey(f, Qt::Key_X, Qt::NoModifier);
    clickClose(wp);
    EXPECT_EQ(wp->reWPad->toPlainText(), "Dear Ann,\n\nsee you soon");
    EXPECT_TRUE(wp->isVisible());

    // Leaving T058 makes the text editable again.
    f.goTo(7);
    f.goTo(5);
    EXPECT_FALSE(wp->reWPad->isReadOnly());
    EXPECT_FALSE(m.sbStartOnClick.isBound());
    EXPECT_FALSE(m.mupuDocMyDoc->OnExecute.isBound());
}

// The final exercise: each state of it, each event, and what follows.
enum class Event { New, Save, Close };

struct T059Case {
    const char *name;
    int state;  // the step before the event: 0 My Document shown, 1 a new document, 2 comments saved
    Event event;
    int nextState;  // -1: the course is completed
    const char *caption;
    bool dialogShown;
    const char *comments;  // COMMENTS as stored afterwards
};

const T059Case kT059Cases[] = {
    {"0 New", 0, Event::New, 1, "Document - Wordpad", false, ""},
    {"0 Save", 0, Event::Save, 0, "My Document - Wordpad", false, ""},
    {"0 Close", 0, Event::Close, 0, "My Document - Wordpad", false, ""},
    {"1 New", 1, Event::New, 1, "Document - Wordpad", false, ""},
    {"1 Save", 1, Event::Save, 2, "Comments - Wordpad", true, "[COMMENTS]\r\nLine0=\"Nice course!\"\r\n"},
    {"1 Close", 1, Event::Close, 1, "Document - Wordpad", false, ""},
    {"2 New", 2, Event::New, 2, "Comments - Wordpad", false, "[COMMENTS]\r\nLine0=\"Nice course\"\r\n"},
    {"2 Save", 2, Event::Save, 2, "Comments - Wordpad", false, "[COMMENTS]\r\nLine0=\"Nice course!\"\r\n"},
    {"2 Close", 2, Event::Close, -1, "Comments - Wordpad", false, "[COMMENTS]\r\nLine0=\"Nice course\"\r\n"},
};

TEST(LessonT059, EveryStateAnswersEveryEventAsTheExerciseSays)
{
    for (const T059Case &c : kT059Cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f(kCompletionTexts, progressWith(9) + kMyDocument);
        f.start();
        f.goTo(9);
        TfrmMain &m = f.main();
        TfrmWordpad *wp = m.frmWordpad;
        if (c.state >= 1) {
            pressKey(f, Qt::Key_N);
            QTest::keyClicks(wp->reWPad, QStringLiteral("Nice course"));
        }
        if (c.state >= 2) {
            ASSERT_TRUE(saveAs(f, QStringLiteral("COMMENTS")));
        }
        ASSERT_EQ(m.tbForward->isEnabled(), false);

        bool dialogShown = false;
        switch (c.event) {
        case Event::New:
            pressKey(f, Qt::Key_N);
            break;
        case Event::Save:
            QTest::keyClick(wp->reWPad, Qt::Key_Exclam);
            dialogShown = saveAs(f, QStringLiteral("Comments"));
            break;
        case Event::Close:
            clickClose(wp);
            break;
        }
        EXPECT_EQ(dialogShown, c.dialogShown);
        EXPECT_EQ(storedSection(f, "COMMENTS"), c.comments);
        EXPECT_EQ(wp->caption(), c.caption);
        EXPECT_EQ(m.sbWPad->text(), c.caption);
        const bool completed = c.nextState < 0;
        EXPECT_EQ(wp->isVisible(), !completed);
        EXPECT_EQ(m.pnT059Logo->isVisible(), completed);
        if (!completed) {
            EXPECT_EQ(wp->tbSave->isEnabled(), c.nextState >= 1);
            EXPECT_EQ(wp->tbNew->isEnabled(), c.nextState == 0);
            EXPECT_FALSE(wp->tbOpen->isEnabled());
        }
        EXPECT_EQ(f.storedMaxIndex(), completed ? "10" : "9");
    }
}

TEST(LessonT059, NewAsksOnlyAfterAChangeAndCancelKeepsTheDocument)
{
    CourseFixture f({}, progressWith(9) + kMyDocument);
    f.start();
    f.goTo(9);
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;
    EXPECT_EQ(wp->reWPad->toPlainText(), "Dear Ann,\n\nsee you soon");
    EXPECT_FALSE(wp->reWPad->isReadOnly());
    pressKey(f, Qt::Key_End);
    QTest::keyClick(wp->reWPad, Qt::Key_Period);

    QStringList questions;
    const auto newWith = [&](const char *press) {
        answer<QDialog>(
            [&](QDialog *d) {
                questions << d->windowTitle() + ": " + d->findChild<QLabel *>("lbText")->text();
                QTest::mouseClick(button(d, press), Qt::LeftButton);
            },
            [&] { QTest::mouseClick(wp->tbNew, Qt::LeftButton); });
    };
    newWith("btnCancel");
    EXPECT_EQ(questions, QStringList{"Warning: Save changes to My Document?"});
    EXPECT_EQ(wp->reWPad->toPlainText(), "Dear Ann,\n\nsee you soon.");
    EXPECT_EQ(wp->caption(), "My Document - Wordpad");
    newWith("btnYes");  // goes on, and saves nothing
    EXPECT_EQ(wp->reWPad->toPlainText(), "");
    EXPECT_EQ(wp->caption(), "Document - Wordpad");
    EXPECT_EQ(storedSection(f, "DOCUMENT"), kMyDocument);
}

TEST(LessonT059, CompletionShowsThePanelAndLeadsOnByForwardBackOrF3)
{
    // An odd width: the panel's place is cut to whole pixels.
    CourseFixture f(kCompletionTexts + "[GENERAL]\r\nInfoPanelWidth=249\r\n", progressWith(9) + kMyDocument);
    f.start();
    f.goTo(9);
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;
    ASSERT_EQ(m.nbMain->size(), QSize(775, 740));
    EXPECT_FALSE(m.pnT059Logo->isVisible());
    EXPECT_EQ(m.pnT059Logo->geometry(), QRect(145, 188, 484, 364));

    pressKey(f, Qt::Key_N);
    QTest::keyClicks(wp->reWPad, QStringLiteral("Thank you"));
    ASSERT_TRUE(saveAs(f, QStringLiteral("comments")));
    pressKey(f, Qt::Key_F4, Qt::AltModifier);

    EXPECT_FALSE(wp->isVisible());
    EXPECT_FALSE(m.pnTaskbar->isVisible());
    EXPECT_FALSE(m.imgT059Desktop->isVisible());
    EXPECT_TRUE(m.pnT059Logo->isVisible());
    EXPECT_FALSE(m.imgT059Logo->pixmap().isNull());
    EXPECT_EQ(m.lbT059Cngr->text(), "Congratulations!");
    EXPECT_EQ(m.lbT059TCmp->text(), "You have completed the topic \"Working with a word processor\".");
    EXPECT_EQ(f.infoText(), "Page T059Cmp");
    EXPECT_TRUE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "10");
    EXPECT_TRUE(m.aF3Key->isEnabled());

    // Back leads to T058; coming again, the exercise starts afresh.
    QTest::mouseClick(m.tbBack, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), 8);
    EXPECT_FALSE(m.aF3Key->isEnabled());
    EXPECT_TRUE(m.pnTaskbar->isVisible());
    QTest::mouseClick(m.tbForward, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), 9);
    EXPECT_FALSE(m.pnT059Logo->isVisible());
    EXPECT_TRUE(m.imgT059Desktop->isVisible());
    EXPECT_TRUE(wp->isVisible());
    EXPECT_EQ(wp->caption(), "My Document - Wordpad");
    EXPECT_EQ(wp->reWPad->toPlainText(), "Dear Ann,\n\nsee you soon");
    QTest::mouseClick(m.tbForward, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), 10);

    // F3 after completing starts the course again at T051.
    f.goTo(9);
    pressKey(f, Qt::Key_N);
    ASSERT_TRUE(saveAs(f, QStringLiteral("Comments")));
    clickClose(wp);
    ASSERT_TRUE(m.pnT059Logo->isVisible());
    m.activateWindow();
    QApplication::processEvents();
    QTest::keyClick(&m, Qt::Key_F3);
    EXPECT_EQ(m.currentPage(), 1);
    EXPECT_FALSE(wp->isVisible());
    EXPECT_FALSE(m.aF3Key->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "10");
}

TEST(LessonT059, MissingOrMismatchedTextsStillShowThePanel)
{
    CourseFixture f("[LABELS]\r\nlbTopicComplete=Done: %d\r\n", progressWith(9));
    f.start();
    f.goTo(9);
    TfrmMain &m = f.main();
    EXPECT_EQ(m.frmWordpad->reWPad->toPlainText(), "");  // nothing was ever saved
    pressKey(f, Qt::Key_N);
    ASSERT_TRUE(saveAs(f, QStringLiteral("Comments")));
    clickClose(m.frmWordpad);
    EXPECT_TRUE(m.pnT059Logo->isVisible());
    EXPECT_EQ(m.lbT059Cngr->text(), "");
    EXPECT_EQ(m.lbT059TCmp->text(), "Done: %d");
    EXPECT_TRUE(f.errors.isEmpty());
}

}  // namespace
