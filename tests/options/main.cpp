#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// Widget tests run without a display unless a platform is chosen from outside.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
