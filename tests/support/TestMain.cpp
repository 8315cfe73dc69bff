// Test main: the widget tests need the application object; they run under Xvfb.
#include "shell/Application.h"

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv); // the program's own error handling
    // An error escaping an event fails the test instead of waiting for a user.
    SetExceptionReporter([](const QString& text) {
        ADD_FAILURE() << "error shown to the user: " << text.toStdString();
    });
    std::setlocale(LC_NUMERIC, "C"); // libmpv refuses other numeric locales
    return RUN_ALL_TESTS();
}
