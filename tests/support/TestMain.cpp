// Test main: the widget tests need the application object; they run under Xvfb.
#include "platform/Exceptions.h"
#include "platform/ProcessMemory.h"
#include "shell/Application.h"
#include "support/FormsFixture.h"
#include "support/SampleDisc.h"

#include <gtest/gtest.h>

#include <clocale>

#include <dlfcn.h>

// Mesa unloads its OpenGL driver when the last context goes; the leak checker
// then cannot name the driver's own allocations to match them against the
// suppressions of system libraries. Keeping it loaded to the end fixes that.
void PinOpenGLDriver() {
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_LAZY | RTLD_NODELETE);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // ctest lists the tests where there may be no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    UsePrivateMounts(); // before any thread exists
    LimitHeapArenas();  // as the program does
    PinOpenGLDriver();
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestIsolation);
    TApplication app(argc, argv); // the program's own error handling
    // An error escaping an event fails the test instead of waiting for a user.
    SetExceptionReporter([](const QString& text) {
        ADD_FAILURE() << "error shown to the user: " << text.toStdString();
    });
    std::setlocale(LC_NUMERIC, "C"); // libmpv refuses other numeric locales
    return RUN_ALL_TESTS();
}
