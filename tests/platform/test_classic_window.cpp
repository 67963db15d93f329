#include "platform/classic_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The program ends while a dialog is open and the learner has its file-type
// list dropped down: the owner goes, taking the dialog with it. Tearing the
// box's list down moves the keyboard focus while the dialog's frame is
// already being destroyed; the frame must have left the application's focus
// changes and events by then (the sanitizer build checks that nothing calls
// into the half-destroyed frame; here the test makes sure the path is taken).
TEST(ClassicWindow, AnOpenDialogGoesWithItsOwnerWhileAChildHasTheKeyboard)
{
    auto *owner = new QWidget;
    owner->show();
    auto *dialog = new TClassicDialog(owner);
    dialog->setClientSize(QSize(300, 120));
    auto *type = new QComboBox(dialog->client());
    type->addItems({QStringLiteral("WordPad Document (*.doc)"), QStringLiteral("Text Document (*.txt)")});
    new QLineEdit(dialog->client());
    dialog->open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    type->setFocus();
    type->showPopup();
    ASSERT_NE(QApplication::focusWidget(), nullptr);

    // The frame's first child goes first when the frame's widget part tears
    // its children down: from then on the frame is no TClassicWindow.
    bool frameTornDown = false;
    QObject::connect(dialog->frame()->whHook, &QObject::destroyed, [&] { frameTornDown = true; });
    int changesMeanwhile = 0;
    const QMetaObject::Connection watch = QObject::connect(
        qApp, &QApplication::focusChanged, qApp, [&] { changesMeanwhile += frameTornDown; });
    delete owner;
    QObject::disconnect(watch);
    EXPECT_TRUE(frameTornDown);
    EXPECT_GT(changesMeanwhile, 0);  // the focus did move during the frame's teardown
}

}  // namespace
