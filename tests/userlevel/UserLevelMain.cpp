// Main of the user-level tests. The tests mount disc images while other
// programs on the machine may mount theirs: the whole test runs in a mount
// namespace of its own, without the optical mounts it inherited, so that the
// player it starts sees only the test's disc.
#include "support/SampleDisc.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // ctest lists the tests, also where no mount namespace can be had.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (!UsePrivateMounts())
        return 1;
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
