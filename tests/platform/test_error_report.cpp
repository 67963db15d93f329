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

TEST(ErrorReport, TheBoxWearsTheClassicFrameAndClosesAnyWay)
{
    const struct {
        const char *name;
        std::function<void(TErrorBox *)> close;
    } ways[] = {
        {"OK", [](TErrorBox *b) { QTest::mouseClick(b->findChild<QPushButton *>("btnOK"), Qt::LeftButton); }},
        {"Enter", [](TErrorBox *b) { QTest::keyClick(b->focusWidget(), Qt::Key_Return); }},
        {"Esc", [](TErrorBox *b) { QTest::keyClick(b->focusWidget(), Qt::Key_Escape); }},
        {"close box", [](TErrorBox *b) { clickCloseBox(b); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        QString title;
        bool framed = false;
        ModalAnswerer answerer([&](QWidget *w) {
            auto *box = qobject_cast<TErrorBox *>(w);
            ASSERT_NE(box, nullptr);
            title = box->frame()->caption();
            framed = box->windowFlags().testFlag(Qt::FramelessWindowHint);
            way.close(box);
        });
        showErrorBox(QStringLiteral("Error"), QStringLiteral("The page could not be loaded."));
        EXPECT_EQ(answerer.count(), 1);  // it closed, or the call would not have returned
        EXPECT_EQ(title, "Error");
        EXPECT_TRUE(framed);
    }
}

}  // namespace
