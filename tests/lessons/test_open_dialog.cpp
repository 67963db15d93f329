#include "lessons/file_table.h"
#include "lessons/file_table_folder.h"
#include "lessons/frm_opn_dlg.h"
#include "platform/panel.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList captions(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// ---------------------------------------------------------------- the dialog

class OpenDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.start();
        f.goTo(1);  // a lesson page; the title page's countdown is off
        dlg = f.main().frmOpnDlg;
        ASSERT_NE(dlg, nullptr);
    }

    void TearDown() override { dlg->OncbTypeChange.unbind(); }

    // The binding the lessons that show the dialog make.
    void bindTypeChange()
    {
        dlg->OncbTypeChange.bind([this] { f.main().frmOpnDlgcbTypeT052Change(); });
    }

    // Shows the dialog as a lesson does and lets act() work in it while it is
    // shown; a dialog that act() leaves open is cancelled (stillOpen).
    bool show(const std::function<void()> &act, FileDialogMode mode = FileDialogMode::OpenDocument2)
    {
        stillOpen = false;
        bool seen = false;
        ModalAnswerer answer([&](QWidget *w) {
            if (w != dlg)
                return;
            seen = true;
            act();
            if (dlg->isVisible()) {
                stillOpen = true;
                dlg->reject();
            }
        });
        const bool ok = f.main().ShowFileDialog(mode);
        EXPECT_TRUE(seen);
        EXPECT_FALSE(dlg->isVisible());
        return ok;
    }

    // Clicks the file the desktop word names (its key: "Document2").
    void clickItem(const QByteArray &word, bool twice = false)
    {
        QListWidgetItem *found = nullptr;
        for (int i = 0; i < dlg->lvFiles->count(); ++i) {
            if (dlg->lvFiles->item(i)->data(FileWordRole).toByteArray() == word)
                found = dlg->lvFiles->item(i);
        }
        ASSERT_TRUE(found) << word.toStdString();
        const QPoint at = dlg->lvFiles->visualItemRect(found).center();
        QTest::mouseClick(dlg->lvFiles->viewport(), Qt::LeftButton, {}, at);
        if (twice)  // the second press of a double click arrives as the double click
            QTest::mouseDClick(dlg->lvFiles->viewport(), Qt::LeftButton, {}, at);
    }

    // The learner picks a file type with the keyboard, as from the list.
    void chooseType(int index)
    {
        while (dlg->cbType->currentIndex() < index)
            QTest::keyClick(dlg->cbType, Qt::Key_Down);
        while (dlg->cbType->currentIndex() > index)
            QTest::keyClick(dlg->cbType, Qt::Key_Up);
    }

    bool openAvailable() const { return dlg->pnOpen->isEnabled(); }

    CourseFixture f;
    TfrmOpnDlg *dlg = nullptr;
    bool stillOpen = false;
};

TEST_F(OpenDialog, ShowingPreparesCaptionsTypeListAndEmptyName)
{
    const bool ok = show([&] {
        EXPECT_EQ(dlg->windowTitle(), "Save");
        EXPECT_EQ(dlg->btnOpen->text(), "Save");
        EXPECT_EQ(dlg->Tag, FileDialogMode::SaveMyDocument);
        EXPECT_EQ(dlg->cbType->currentIndex(), 0);
        EXPECT_EQ(dlg->cbType->currentText(), "WordPad Document (*.doc)");
        EXPECT_EQ(captions(dlg->lvFiles), QStringList({"Document1", "Document3"}));
        EXPECT_TRUE(dlg->lvFiles->selectedItems().isEmpty());
        EXPECT_EQ(dlg->edName->text(), "");
        EXPECT_FALSE(openAvailable());
        EXPECT_EQ(dlg->focusWidget(), dlg->edName);
        EXPECT_EQ(dlg->client()->size(), QSize(417, 237));
        const QRect main = f.main().frameGeometry();
        EXPECT_EQ(dlg->geometry().center().x() / 2, main.center().x() / 2);
        EXPECT_EQ(dlg->geometry().center().y() / 2, main.center().y() / 2);
    }, FileDialogMode::SaveMyDocument);
    EXPECT_FALSE(ok);
}

TEST_F(OpenDialog, SelectingAFileFillsTheNameAndTheCheckFollows)
{
    bindTypeChange();
    show([&] {
        chooseType(2);
        clickItem("Document2");
        EXPECT_EQ(dlg->edName->text(), "Document2");
        EXPECT_TRUE(openAvailable());
        clickItem("Document1");
        EXPECT_EQ(dlg->edName->text(), "Document1");
        EXPECT_FALSE(openAvailable());
    });
    EXPECT_TRUE(stillOpen);
}

TEST_F(OpenDialog, EnterInTheNameBoxConfirmsOnlyWhileOpenIsAvailable)
{
    // Document2 is not listed under the first type; typing its name is enough.
    const bool ok = show([&] {
        QTest::keyClicks(dlg->edName, "document2 ");
        EXPECT_FALSE(openAvailable());
        QTest::keyClick(dlg->edName, Qt::Key_Return);
        ASSERT_TRUE(dlg->isVisible());
        QTest::keyClick(dlg->edName, Qt::Key_Backspace);
        EXPECT_TRUE(openAvailable());
        QTest::keyClick(dlg->edName, Qt::Key_Return);
    });
    EXPECT_TRUE(ok);
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(dlg->edName->text(), "document2");
}

TEST_F(OpenDialog, AnUnavailableOpenButtonIgnoresTheMouseButKeepsItsLook)
{
    dlg->pnOpen->setEnabled(true);
    const QImage available = dlg->btnOpen->grab().toImage();
    dlg->pnOpen->setEnabled(false);
    EXPECT_EQ(dlg->btnOpen->grab().toImage(), available);

    show([&] {
        QTest::keyClicks(dlg->edName, "Document3");
        QTest::mouseClick(dlg->btnOpen, Qt::LeftButton);
    });
    EXPECT_TRUE(stillOpen);
}

TEST_F(OpenDialog, CancelEscAndTheCloseBoxReturnFalse)
{
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Cancel", [&] { QTest::mouseClick(dlg->Button2, Qt::LeftButton); }},
        {"Esc", [&] { QTest::keyClick(dlg->edName, Qt::Key_Escape); }},
        {"close box",
         [&] {
             QTest::mouseClick(dlg->frame(), Qt::LeftButton, {},
                               dlg->frame()->buttonRect(Ht::HTCLOSE).center());
         }},
    };
    for (const auto &[name, close] : ways) {
        const bool ok = show([&] {
            QTest::keyClicks(dlg->edName, "Document2");
            ASSERT_TRUE(openAvailable());
            close();
        });
        EXPECT_FALSE(ok) << name;
        EXPECT_FALSE(stillOpen) << name;
    }
}

TEST_F(OpenDialog, ASecondShowingStartsClean)
{
    bindTypeChange();
    show([&] {
        chooseType(2);
        clickItem("Document2");
        ASSERT_TRUE(openAvailable());
        QTest::mouseClick(dlg->Button2, Qt::LeftButton);
    });
    show([&] {
        EXPECT_EQ(dlg->cbType->currentIndex(), 0);
        EXPECT_EQ(captions(dlg->lvFiles), QStringList({"Document1", "Document3"}));
        EXPECT_TRUE(dlg->lvFiles->selectedItems().isEmpty());
        EXPECT_EQ(dlg->edName->text(), "");
        EXPECT_FALSE(openAvailable());
    });
    EXPECT_TRUE(stillOpen);
}

TEST_F(OpenDialog, ADoubleClickAnywhereInTheListConfirms)
{
    const struct {
        const char *item;  // nullptr: the empty part of the list
        const char *name;
    } cases[] = {{"Document1", "Document1"}, {"Document3", "Document3"}, {nullptr, ""}};
    for (const auto &c : cases) {
        const bool ok = show([&] {
            if (c.item) {
                clickItem(c.item, true);
            } else {
                QWidget *view = dlg->lvFiles->viewport();
                const QPoint empty(view->width() - 5, view->height() - 5);
                QTest::mouseClick(view, Qt::LeftButton, {}, empty);
                QTest::mouseDClick(view, Qt::LeftButton, {}, empty);
            }
        });
        EXPECT_TRUE(ok) << c.name;
        EXPECT_EQ(dlg->edName->text(), c.name);
    }
}

TEST_F(OpenDialog, ChoosingATypeRefillsTheListAndKeepsTheName)
{
    bindTypeChange();
    show([&] {
        QTest::keyClicks(dlg->edName, "Picture9");
        chooseType(2);
        EXPECT_EQ(captions(dlg->lvFiles), kAll);
        EXPECT_TRUE(dlg->lvFiles->selectedItems().isEmpty());
        EXPECT_EQ(dlg->edName->text(), "Picture9");
        chooseType(1);
        EXPECT_EQ(captions(dlg->lvFiles), QStringList({"Document2", "Document4"}));
    });
}

TEST_F(OpenDialog, SavingNeedsTheFirstTypeAndTheCheckFollowsTheType)
{
    bindTypeChange();
    show([&] {
        QTest::keyClicks(dlg->edName, "my document");
        EXPECT_TRUE(openAvailable());
        chooseType(1);
        EXPECT_FALSE(openAvailable());
        chooseType(0);
        EXPECT_TRUE(openAvailable());
        EXPECT_EQ(dlg->edName->text(), "my document");
    }, FileDialogMode::SaveMyDocument);
}

TEST_F(OpenDialog, FileListItemsKeepTheirDetailsAndStartUnselected)
{
    f.goTo(7);
    bindTypeChange();
    dlg->cbType->setCurrentIndex(2);  // all documents
    f.main().frmOpnDlgcbTypeT052Change();
    dlg->lvFiles->setCurrentRow(0);
    dlg->edName->setText("kept");
    f.main().FillFileList(dlg->lvFiles, kNow);

    EXPECT_EQ(captions(dlg->lvFiles), kAllWithMine);
    QListWidgetItem *mine = dlg->lvFiles->item(4);
    EXPECT_EQ(mine->data(FileDetailsRole).toStringList(),
              QStringList({"1KB", "Wordpad Document", fileDateText(kNow, systemTimeSeparator())}));
    EXPECT_EQ(mine->data(FileImageIndexRole).toInt(), 9);
    EXPECT_EQ(dlg->lvFiles->item(1)->data(FileImageIndexRole).toInt(), 4);
    EXPECT_EQ(dlg->lvFiles->item(7)->data(FileDetailsRole).toStringList(),
              QStringList({"53KB", "Bitmap Image", "26.12.1999 1:13"}));
    EXPECT_TRUE(dlg->lvFiles->selectedItems().isEmpty());
    EXPECT_EQ(dlg->edName->text(), "kept");
}

}  // namespace
