#include "platform/error_box.h"
#include "platform/ini_file.h"
#include "platform/quillan_application.h"
#include "support/test_support.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, AnExceptionInAnEventHandlerIsShownAndTheProgramGoesOn)
{
    QPushButton button(QStringLiteral("Save"));
    button.show();
    QObject::connect(&button, &QPushButton::clicked, [] { throw IniWriteError("/x/QL2Dusr.qlu"); });

    QString shown;
    ModalAnswerer answerer([&](QWidget *w) {
        if (auto *box = qobject_cast<TErrorBox *>(w)) {
            shown = box->windowTitle() + ": " + box->text();
            EXPECT_EQ(box->iconKind(), QStyle::SP_MessageBoxCritical);
            box->accept();
        }
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(shown, "Quillan 2: Unable to write to /x/QL2Dusr.qlu");

    // The program goes on: the next click is handled as usual.
    bool clicked = false;
    QObject::disconnect(&button, nullptr, nullptr, nullptr);
    QObject::connect(&button, &QPushButton::clicked, [&] { clicked = true; });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(answerer.count(), 1);
}

}  // namespace
