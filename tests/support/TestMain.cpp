// Test main: the widget tests need a QApplication; they run under Xvfb.
#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // libmpv refuses other numeric locales
    return RUN_ALL_TESTS();
}
