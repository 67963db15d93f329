#include "platform/classic_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A program that ends with a dialog open: the owner goes, taking the dialog
// and its focused box with it. Tearing the box down moves the keyboard focus
// while the dialog's frame is being destroyed; the frame has left the
// application's focus changes and events by then (the sanitizer build
// checks that no call reaches the half-destroyed frame).
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
    ASSERT_TRUE(type->hasFocus());

    int focusChanges = 0;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [&] { ++focusChanges; });
    delete owner;
    QObject::disconnect(watch);
    EXPECT_GT(focusChanges, 0);  // the teardown did move the focus
}

}  // namespace
