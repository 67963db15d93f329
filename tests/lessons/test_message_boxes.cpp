#include "lessons/frm_msg_dlg.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The ways a learner ends a box.
using Way = std::function<void(TClassicDialog *)>;

Way clickButton(const char *name)
{
    return [name](TClassicDialog *d) {
        QTest::mouseClick(d->findChild<QPushButton *>(name), Qt::LeftButton);
    };
}

// A key pressed where the keyboard focus of the box is.
Way pressKey(Qt::Key key)
{
    return [key](TClassicDialog *d) { QTest::keyClick(d->focusWidget(), key); };
}

// Shows the print-error box and lets act() look at it and close it; a box
// that act() leaves open is closed here and reported.
void showPrintError(CourseFixture &f, const std::function<void(TfrmMsgDlg &)> &act)
{
    TfrmMsgDlg *box = f.main().frmMsgDlg;
    bool seen = false;
    bool leftOpen = false;
    ModalAnswerer answer([&](QWidget *w) {
        if (w != box)
            return;
        seen = true;
        act(*box);
        if (box->isVisible()) {
            leftOpen = true;
            box->reject();
        }
    });
    f.main().ShowPrintErrorBox();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(leftOpen);
    EXPECT_FALSE(box->isVisible());
}

const QByteArray kErrorTexts = "[LABELS]\r\nlbT058Error=The document could not be printed.\r\n"
                               "btnT058ErrorOK=Close\r\n";

TEST(PrintErrorBox, ShowsTheErrorAndClosesEveryWay)
{
    const std::pair<const char *, Way> ways[] = {
        {"click", clickButton("btnDlg2")},
        {"Enter", pressKey(Qt::Key_Return)},
        {"Esc", pressKey(Qt::Key_Escape)},
        {"close box", clickCloseBox},
    };
    CourseFixture f(kErrorTexts);
    f.start();
    for (const auto &[name, close] : ways) {
        SCOPED_TRACE(name);
        showPrintError(f, [&](TfrmMsgDlg &box) {
            EXPECT_EQ(box.windowTitle(), "");
            EXPECT_FALSE(box.imgPicture->pixmap().isNull());
            EXPECT_EQ(box.lbText->text(), "The document could not be printed.");
            EXPECT_FALSE(box.btnDlg1->isVisible());
            EXPECT_EQ(box.btnDlg2->text(), "Close");
            EXPECT_EQ(box.btnDlg2->geometry(), QRect(324, 76, 75, 23));  // stays at the right
            EXPECT_EQ(box.focusWidget(), box.btnDlg2);
            // A close button only: where a help button would be is caption.
            const QRect help = box.frame()->buttonRect(Ht::HTCLOSE).translated(-18, 0);
            EXPECT_EQ(box.frame()->defaultHitTest(help.center()), Ht::HTCAPTION);
            close(&box);
        });
    }
    EXPECT_TRUE(f.errors.isEmpty());
}

TEST(PrintErrorBox, MissingTextsGiveAnEmptyTextAndOk)
{
    CourseFixture f;
    f.start();
    showPrintError(f, [](TfrmMsgDlg &box) {
        EXPECT_EQ(box.lbText->text(), "");
        EXPECT_EQ(box.btnDlg2->text(), "OK");
        QTest::mouseClick(box.btnDlg2, Qt::LeftButton);
    });
}

TEST(PrintErrorBox, ASecondFailureShowsTheSameBox)
{
    CourseFixture f(kErrorTexts);
    f.start();
    // Someone used the box as a question in between.
    f.main().frmMsgDlg->btnDlg1->show();
    f.main().frmMsgDlg->lbText->setText("Something else");
    for (int showing = 1; showing <= 2; ++showing) {
        showPrintError(f, [&](TfrmMsgDlg &box) {
            EXPECT_FALSE(box.btnDlg1->isVisible()) << showing;
            EXPECT_TRUE(box.btnDlg2->isVisible()) << showing;
            EXPECT_EQ(box.lbText->text(), "The document could not be printed.");
            QTest::keyClick(box.focusWidget(), Qt::Key_Escape);
        });
    }
}

TEST(PrintErrorBox, ALongTextIsClippedByTheLabel)
{
    const QByteArray longText =
        "The document could not be printed. " + QByteArray("Check the printer. ").repeated(20);
    CourseFixture f("[LABELS]\r\nlbT058Error=" + longText + "\r\n");
    f.start();
    const QSize boxSize = f.main().frmMsgDlg->size();
    showPrintError(f, [&](TfrmMsgDlg &box) {
        EXPECT_EQ(box.lbText->text(), QString::fromLatin1(longText).trimmed());
        EXPECT_GT(box.lbText->heightForWidth(341), 33);  // it really does not fit
        EXPECT_EQ(box.lbText->geometry(), QRect(60, 16, 341, 33));
        EXPECT_EQ(box.size(), boxSize);
        QTest::mouseClick(box.btnDlg2, Qt::LeftButton);
    });
}

TEST(MessageBox, AnswersFollowTheButtonThatClosedIt)
{
    const struct {
        const char *name;
        Way close;
        TfrmMsgDlg::Answer answer;
    } cases[] = {
        {"first button", clickButton("btnDlg1"), TfrmMsgDlg::Answer::Yes},
        {"Enter on the first button", pressKey(Qt::Key_Return), TfrmMsgDlg::Answer::Yes},
        {"second button", clickButton("btnDlg2"), TfrmMsgDlg::Answer::No},
        {"Esc", pressKey(Qt::Key_Escape), TfrmMsgDlg::Answer::No},
        {"close box", clickCloseBox, TfrmMsgDlg::Answer::Cancel},
    };
    for (const auto &c : cases) {
        TfrmMsgDlg box;
        box.btnDlg1->setFocus();
        ModalAnswerer answer([&](QWidget *w) {
            if (w == &box)
                c.close(&box);
        });
        EXPECT_EQ(box.ShowModal(), c.answer) << c.name;
        EXPECT_FALSE(box.isVisible()) << c.name;
    }
}

// Asks the save-changes question and answers it with close().
bool askSaveChanges(CourseFixture &f, const Way &close, QString *shownText = nullptr)
{
    bool seen = false;
    ModalAnswerer answer([&](QWidget *w) {
        if (w->objectName() != "SaveChangesQuestion")
            return;
        seen = true;
        auto *d = qobject_cast<TClassicDialog *>(w);
        EXPECT_EQ(d->windowTitle(), "Warning");
        if (shownText)
            *shownText = d->findChild<QLabel *>("lbText")->text();
        close(d);
        if (d->isVisible())
            d->reject();
    });
    const bool proceed = f.main().AskSaveChanges("Document2");
    EXPECT_TRUE(seen);
    return proceed;
}

TEST(SaveChangesQuestion, OnlyCancelStopsTheAction)
{
    const struct {
        const char *name;
        Way close;
        bool proceed;
    } cases[] = {
        {"Yes", clickButton("btnYes"), true},
        {"No", clickButton("btnNo"), true},
        {"Enter", pressKey(Qt::Key_Return), true},
        {"Cancel", clickButton("btnCancel"), false},
        {"Esc", pressKey(Qt::Key_Escape), false},
        {"close box", clickCloseBox, false},
    };
    CourseFixture f;
    f.start();
    for (const auto &c : cases)
        EXPECT_EQ(askSaveChanges(f, c.close), c.proceed) << c.name;
}

TEST(SaveChangesQuestion, ShowsTheQuestionWithYesNoAndCancel)
{
    CourseFixture f;
    f.start();
    QString text;
    QStringList captions;
    askSaveChanges(f, [&](TClassicDialog *d) {
        for (const char *name : {"btnYes", "btnNo", "btnCancel"})
            captions << d->findChild<QPushButton *>(name)->text();
        EXPECT_TRUE(d->findChild<QPushButton *>("btnYes")->isDefault());
        EXPECT_FALSE(d->findChild<QLabel *>("imgIcon")->pixmap().isNull());
        clickCloseBox(d);
    }, &text);
    EXPECT_EQ(text, "Save changes to Document2?");
    EXPECT_EQ(captions, QStringList({"&Yes", "&No", "Cancel"}));
}

}  // namespace
