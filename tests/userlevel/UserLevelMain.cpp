// Main of the user-level tests. The tests mount disc images while other
// programs on the machine may mount theirs: the whole test runs in a mount
// namespace of its own, without the optical mounts it inherited, so that the
// player it starts sees only the test's disc.
#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>

#include <cstring>
#include <iostream>

namespace {

bool EnterPrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::cerr << "no private mount namespace: " << std::strerror(errno) << std::endl;
        return false;
    }
    QFile table("/proc/self/mountinfo");
    if (!table.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 0 || dash + 1 >= fields.size())
            continue;
        const QByteArray type = fields[dash + 1];
        if (type == "fuse.fuseiso" || type == "iso9660" || type == "udf")
            ::umount2(QByteArray(fields[4]).replace("\\040", " ").constData(), MNT_DETACH);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!EnterPrivateMounts())
        return 1;
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
