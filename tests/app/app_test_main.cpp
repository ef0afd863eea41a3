// GUI tests run against real widgets on the offscreen platform; message boxes are
// answered automatically (see MessageBox).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/toolkit/message_box.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    varimonde::MessageBox::answerAutomatically(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
