#include "platform/quillan_application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QuillanApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
