#include "platform/components.h"
#include "platform/tree_view.h"
#include "shell/frm_contents.h"
#include "lessons/frm_wordpad.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

QTreeWidgetItem *findEntry(TTreeView *tree, const QString &text)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0) == text)
            return *it;
    }
    return nullptr;
}

void clickEntry(TTreeView *tree, const QString &text)
{
    QTreeWidgetItem *item = findEntry(tree, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QString selectedText(TTreeView *tree)
{
    QTreeWidgetItem *node = tree->selectedNode();
    return node ? node->text(0) : QString();
}

// Opens the contents dialog from the main window and lets inspect() look at
// it and answer it.
void openContents(CourseFixture &f, const std::function<void(TfrmContents &)> &inspect)
{
    bool seen = false;
    ModalAnswerer answer([&](QWidget *w) {
        if (auto *dlg = qobject_cast<TfrmContents *>(w)) {
            seen = true;
            inspect(*dlg);
            if (dlg->isVisible())
                dlg->reject();
        }
    });
    QTest::mouseClick(f.main().tbContents, Qt::LeftButton);
    EXPECT_TRUE(seen);
}

TEST(ContentsDialog, NothingCanBeChosenBeforeALessonIsCompleted)
{
    CourseFixture f;
    f.start();  // first run: the furthest page is T051
    openContents(f, [&](TfrmContents &d) {
        EXPECT_EQ(d.windowTitle(), "Contents");  // the fallback captions
        EXPECT_EQ(d.gbCnt->title(), "Contents");
        EXPECT_EQ(d.btnCntOK->text(), "OK");
        EXPECT_EQ(d.btnCntCancel->text(), "Cancel");
        EXPECT_EQ(f.infoText(), "Page T004");
        // The chapters' lessons are listed with their codes; none is completed.
        for (QTreeWidgetItemIterator it(d.tvContents); *it; ++it) {
            if ((*it)->childCount() == 0) {
                EXPECT_EQ((*it)->data(0, IconIndexRole).toInt(), 2) << (*it)->text(0).toStdString();
            }
        }
        EXPECT_EQ(d.tvContents->topLevelItemCount(), 7);
        EXPECT_TRUE(d.tvContents->isExpanded(d.tvContents->model()->index(4, 0)));
        EXPECT_EQ(selectedText(d.tvContents), "");
        clickEntry(d.tvContents, "T051");
        EXPECT_EQ(selectedText(d.tvContents), "");
        QTest::mouseClick(d.btnCntOK, Qt::LeftButton);  // OK with nothing selected
    });
    EXPECT_EQ(f.main().currentPage(), 0);
    EXPECT_EQ(f.infoText(), "Page T001");
    EXPECT_TRUE(f.main().tmrTimer->enabled());  // the countdown goes on
}

TEST(ContentsDialog, CompletedLessonsCanBeChosenAndOkJumpsThere)
{
    CourseFixture f("[PAGES]\r\nT004Name=Course contents\r\nT052Name=Opening a document\r\n"
                    "[LABELS]\r\nbtnT004OK=Go\r\n",
                    progressWith(5));
    f.start();
    f.goTo(5);
    openContents(f, [&](TfrmContents &d) {
        EXPECT_EQ(d.windowTitle(), "Course contents");
        EXPECT_EQ(d.btnCntOK->text(), "Go");
        EXPECT_EQ(d.pos(), QPoint((774 - 400) / 2, (740 - 450) / 2));
        // The page showing is the furthest reached: not completed, not pre-selected.
        EXPECT_EQ(findEntry(d.tvContents, "T055")->data(0, IconIndexRole).toInt(), 2);
        EXPECT_EQ(findEntry(d.tvContents, "T054")->data(0, IconIndexRole).toInt(), 3);
        EXPECT_EQ(selectedText(d.tvContents), "");
        EXPECT_EQ(d.tvContents->currentItem(), findEntry(d.tvContents, "T055")) << "the keyboard starts on it";
        clickEntry(d.tvContents, "Opening a document");
        EXPECT_EQ(selectedText(d.tvContents), "Opening a document");
        // The selected entry's icon is drawn as it is, not tinted.
        const QIcon icon = findEntry(d.tvContents, "Opening a document")->icon(0);
        EXPECT_EQ(icon.pixmap(16, QIcon::Selected).toImage(), icon.pixmap(16, QIcon::Normal).toImage());
        // A chapter, a lesson not done and a lesson without a page keep the selection.
        clickEntry(d.tvContents, "T050");
        clickEntry(d.tvContents, "T056");
        clickEntry(d.tvContents, "T011");
        EXPECT_EQ(selectedText(d.tvContents), "Opening a document");
        QTest::keyClick(d.tvContents, Qt::Key_Down);
        EXPECT_EQ(selectedText(d.tvContents), "T053");
        QTest::keyClick(d.tvContents, Qt::Key_Up);
        QTest::mouseClick(d.btnCntOK, Qt::LeftButton);
    });
    EXPECT_EQ(f.main().currentPage(), 2);
    EXPECT_EQ(f.infoText(), "Page T052");
    EXPECT_TRUE(f.main().tbForward->isEnabled());
}

TEST(ContentsDialog, CurrentPageIsPreselectedAndChoosingItRestartsIt)
{
    CourseFixture f({}, progressWith(9));
    f.start();
    f.goTo(3);
    // A change to the page's letter, which the page's set-up puts back.
    QTextEdit *text = f.main().frmWordpad->reWPad;
    text->setPlainText(QStringLiteral("changed"));
    bool timerOffWhileOpen = false;
    openContents(f, [&](TfrmContents &d) {
        EXPECT_EQ(selectedText(d.tvContents), "T053");
        EXPECT_TRUE(d.tvContents->hasFocus() || d.focusWidget() == d.tvContents);
        timerOffWhileOpen = !f.main().tmrTimer->enabled();
        QTest::keyClick(d.tvContents, Qt::Key_Return);
    });
    EXPECT_TRUE(timerOffWhileOpen);
    EXPECT_EQ(f.main().currentPage(), 3);
    EXPECT_EQ(f.infoText(), "Page T053");
    EXPECT_TRUE(text->toPlainText().startsWith("Dear Ann,")) << "the page started again";
    EXPECT_FALSE(f.main().tmrTimer->enabled());  // off before, off after
}

TEST(ContentsDialog, CancelKeepsThePageAndTheTimer)
{
    CourseFixture f({}, progressWith(9));
    f.start();  // title page: the countdown runs
    bool timerOffWhileOpen = false;
    openContents(f, [&](TfrmContents &d) {
        timerOffWhileOpen = !f.main().tmrTimer->enabled();
        clickEntry(d.tvContents, "T052");
        QTest::keyClick(d.tvContents, Qt::Key_Escape);
    });
    EXPECT_TRUE(timerOffWhileOpen);
    EXPECT_TRUE(f.main().tmrTimer->enabled());
    EXPECT_EQ(f.main().currentPage(), 0);
    EXPECT_EQ(f.infoText(), "Page T001");
}

TEST(ContentsDialog, LeftOutChapterHandsItsLessonsToThePreviousOne)
{
    CourseFixture f("[PAGES]\r\nT050Enabled=0\r\nT060Enabled=0\r\nT011Enabled=0\r\n", progressWith(3));
    f.start();
    openContents(f, [&](TfrmContents &d) {
        EXPECT_EQ(d.tvContents->topLevelItemCount(), 5);
        QTreeWidgetItem *t051 = findEntry(d.tvContents, "T051");
        ASSERT_NE(t051, nullptr);
        EXPECT_EQ(t051->parent()->text(0), "T040");
        EXPECT_EQ(findEntry(d.tvContents, "T061")->parent()->text(0), "T040");
        EXPECT_EQ(findEntry(d.tvContents, "T011"), nullptr);
        EXPECT_EQ(findEntry(d.tvContents, "T050"), nullptr);
    });
}

}  // namespace
