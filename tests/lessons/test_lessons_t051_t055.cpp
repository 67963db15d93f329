#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(LessonT051, WordpadFromTheStartMenuStartsT052)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    m.frmWordpad->reWPad->setPlainText(QStringLiteral("left over"));
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    QMenu *accessories = qobject_cast<QMenu *>(m.mupuStartWordpad->associatedObjects().first());
    ASSERT_TRUE(accessories);
    PopupDriver driver({[&](QMenu *programs) { PopupDriver::clickItem(programs, accessories->menuAction()); },
                        [&](QMenu *shown) { PopupDriver::clickItem(shown, m.mupuStartWordpad); }});
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 10), m.imgT051Start->mapToGlobal(QPointF(60, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m.imgT051Start, &move);

    EXPECT_EQ(m.currentPage(), 2);
    EXPECT_FALSE(m.sbStart->isChecked());
    EXPECT_FALSE(m.imgStartBottom->isVisible());
    EXPECT_TRUE(m.frmWordpad->isVisible());
    EXPECT_EQ(m.frmWordpad->reWPad->toPlainText(), "");
    EXPECT_EQ(m.frmWordpad->caption(), "Document - Wordpad");
    EXPECT_TRUE(m.sbWPad->isVisible());
    EXPECT_TRUE(m.sbWPad->isChecked());
    EXPECT_TRUE(m.sbWPad->font().bold());
    EXPECT_FALSE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "2");
}

TEST(LessonT052, OpeningDocument2StartsT053AndCancelChangesNothing)
{
    CourseFixture f({}, progressWith(2));
    f.start();
    f.goTo(2);
    TfrmMain &m = f.main();
    EXPECT_FALSE(m.frmWordpad->tbNew->isEnabled());
    EXPECT_TRUE(m.frmWordpad->tbOpen->isEnabled());

    answer<TfrmOpnDlg>([](TfrmOpnDlg *d) { QTest::mouseClick(button(d, "Button2"), Qt::LeftButton); },
                       [&] { QTest::mouseClick(m.frmWordpad->tbOpen, Qt::LeftButton); });
    EXPECT_EQ(m.currentPage(), 2);
    EXPECT_EQ(f.storedMaxIndex(), "2");

    // Under the first file type Document2 is not listed, but its name opens it.
    answer<TfrmOpnDlg>(
        [](TfrmOpnDlg *d) {
            EXPECT_EQ(d->windowTitle(), "Open");
            QTest::keyClicks(d->edName, QStringLiteral("document2"));
            QTest::keyClick(d->edName, Qt::Key_Return);
        },
        [&] {
            f.focusWordpad();
            QTest::keyClick(m.frmWordpad->reWPad, Qt::Key_O, Qt::ControlModifier);
        });
    EXPECT_EQ(m.currentPage(), 3);
    EXPECT_EQ(f.storedMaxIndex(), "3");
    EXPECT_FALSE(m.frmOpnDlg->OncbTypeChange.isBound());  // T052's binding is gone
    EXPECT_TRUE(m.frmWordpad->tbSave->isEnabled() == false);  // T053's own choice
}

TEST(LessonT053, NewAsksAfterAChangeAndNoOrYesMovesOn)
{
    for (const char *reply : {"btnNo", "btnYes"}) {
        SCOPED_TRACE(reply);
        CourseFixture f({}, progressWith(3));
        f.start();
        f.goTo(3);
        TfrmMain &m = f.main();
        TfrmWordpad *wp = m.frmWordpad;
        f.focusWordpad();
        EXPECT_EQ(wp->caption(), "Document2 - Wordpad");
        EXPECT_TRUE(wp->reWPad->toPlainText().startsWith("Dear Ann,"));
        EXPECT_FALSE(m.pnTaskbar->isEnabled());

        int questions = 0;
        const auto ask = [&](const char *press) {
            answer<QDialog>(
                [&](QDialog *d) {
                    ++questions;
                    EXPECT_EQ(d->objectName(), "SaveChangesQuestion");
                    QTest::mouseClick(button(d, press), Qt::LeftButton);
                },
                [&] {
                    f.focusWordpad();
                    QTest::keyClick(wp->reWPad, Qt::Key_N, Qt::ControlModifier);
                });
        };
        ask("btnCancel");  // no change yet: New does nothing
        EXPECT_EQ(questions, 0);
        QTest::keyClick(wp->reWPad, Qt::Key_X);
        ask("btnCancel");
        EXPECT_EQ(questions, 1);
        EXPECT_EQ(m.currentPage(), 3);
        ask(reply);
        EXPECT_EQ(questions, 2);
        EXPECT_EQ(m.currentPage(), 4);
        EXPECT_EQ(wp->reWPad->toPlainText(), "");
        EXPECT_EQ(wp->caption(), "Document - Wordpad");
        EXPECT_EQ(f.storedMaxIndex(), "4");
    }
}

TEST(LessonT053, ADocumentThatCannotBeLoadedIsReportedAndThePageStartsEmpty)
{
    struct Case {
        const char *name;
        const char *content;  // nullptr: the file is missing
    };
    for (const Case &c : {Case{"missing", nullptr}, Case{"not rich text", "Dear Ann,"}}) {
        SCOPED_TRACE(c.name);
        CourseFixture f({}, progressWith(3));
        const QString document = f.infoDir() + "T052Txt.rtf";
        if (c.content)
            writeFile(document, c.content);
        else
            QFile::remove(document);
        f.start();
        f.goTo(2);
        TfrmWordpad *wp = f.main().frmWordpad;
        wp->reWPad->setPlainText(QStringLiteral("typed on T052"));  // T052 keeps what it holds
        f.goTo(3);
        ASSERT_EQ(f.errors.size(), 1);
        EXPECT_TRUE(f.errors[0].contains(document)) << f.errors[0].toStdString();
        EXPECT_EQ(f.main().currentPage(), 3);
        EXPECT_EQ(wp->reWPad->toPlainText(), "");
        EXPECT_FALSE(wp->reWPad->document()->isModified());
        EXPECT_TRUE(wp->aNew->OnExecute.isBound());
        EXPECT_TRUE(wp->whHook->OnBeforeMessage.isBound());
    }
}

TEST(LessonT054, FiveLaidOutLinesUnlockForward)
{
    CourseFixture f({}, progressWith(4));
    f.start();
    f.goTo(4);
    TfrmMain &m = f.main();
    TRichEdit *edit = m.frmWordpad->reWPad;
    QTest::keyClick(edit, Qt::Key_X);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "4");
    QTest::keyClick(edit, Qt::Key_Y);
    EXPECT_TRUE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "5");

    // Back from T055 starts T054 again with an empty document.
    QTest::mouseClick(m.tbForward, Qt::LeftButton);
    EXPECT_EQ(edit->toPlainText(), "x\n\n\n\ny");  // T055 works on the typed text
    QTest::mouseClick(m.tbBack, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), 4);
    EXPECT_EQ(edit->toPlainText(), "");
}

TEST(LessonT055, AnyPasteOfTextUnlocksForward)
{
    CourseFixture f({}, progressWith(5));
    f.start();
    f.goTo(5);
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;
    f.focusWordpad();
    QApplication::clipboard()->clear();
    wp->reWPad->setPlainText(QStringLiteral("cut copy paste"));
    EXPECT_FALSE(wp->aPaste->isEnabled());
    QTest::keyClick(wp->reWPad, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(m.tbForward->isEnabled());

    wp->reWPad->selectAll();
    QTest::keyClick(wp->reWPad, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "cut copy paste");
    wp->reWPad->moveCursor(QTextCursor::End);
    QTest::mouseClick(wp->tbPaste, Qt::LeftButton);
    EXPECT_EQ(wp->reWPad->toPlainText(), "cut copy pastecut copy paste");
    EXPECT_TRUE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "6");

    // Leaving gives the commands back their standard editing.
    f.goTo(4);
    EXPECT_FALSE(wp->aPaste->OnExecute.isBound());
}

}  // namespace
