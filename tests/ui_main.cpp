#include "app/AccessibleRoles.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests share one application object; the offscreen platform lets
// them run without a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installAccessibleRoles();
    return RUN_ALL_TESTS();
}
