// The main of the tests that need Qt: an offscreen application set up as the program sets up its
// own, so that fonts, style and picture folders are those a pupil sees.

#include "app/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tesselka::app::set_up(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
