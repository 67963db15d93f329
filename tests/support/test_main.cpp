#include "platform/period_look.h"
#include "platform/quillan_application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QuillanApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillan 2"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillan 2"));
    applyPeriodLook(app);
    return RUN_ALL_TESTS();
}
