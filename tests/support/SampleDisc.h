#pragma once
// The sample disc for tests: made by the make_sample_disc tool once per ctest
// run (or once per test program started by hand), and mounted from its ISO
// image with fuseiso as a real disc would be.

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The sample disc as the demo shows it, or made as real discs are (upper-case
// 8.3 names, Windows-1251 settings name, CMYK and progressive pictures).
enum class SampleDiscKind { Sample, Real };

struct SampleDiscFiles {
    QString Folder;      // the disc's files as a folder
    QString Iso;         // the same as an ISO 9660 image
    QString IniFileName; // the settings file's name that its setup.inf gives
};

// Runs a tool to its end; throws with its error output when it fails.
void RunOrThrow(const QString& program, const QStringList& arguments);

// The disc that ctest's fixture made in the folder QV_SAMPLE_DISCS names;
// without one, made on first use for each volume number and kind and kept
// until the program ends. Throws when the tool fails.
const SampleDiscFiles& SampleDisc(int volume = 1, SampleDiscKind kind = SampleDiscKind::Sample);

// Gives the test program a mount namespace of its own, without the discs it
// inherited: discs that others mount on this machine meanwhile stay out of
// sight, and the program's own mounts stay in. Needs root and a program that
// has no threads yet; false, with the reason on standard error, where that is
// impossible (the machine's mounts then stay visible).
bool UsePrivateMounts();

// Empty when fuseiso can mount here, else the reason it cannot.
QString FuseUnavailableReason();
// Empty when the failing file system of the tests can be mounted here.
QString FailingFileSystemUnavailableReason();

// A test that needs something of the machine skips without it; where
// QV_REQUIRE_ALL is set (as in CI) it fails instead.
bool RequirementsAreMandatory();
#define QV_REQUIRE(unavailableReason)                                                              \
    do {                                                                                           \
        const QString reason = (unavailableReason);                                                \
        if (reason.isEmpty())                                                                      \
            break;                                                                                 \
        if (RequirementsAreMandatory())                                                            \
            FAIL() << "required: " << reason.toStdString();                                        \
        GTEST_SKIP() << reason.toStdString();                                                      \
    } while (false)
#define QV_SKIP_WITHOUT_FUSE() QV_REQUIRE(FuseUnavailableReason())

// A FUSE file system mounted in a fresh folder for as long as the object
// lives: `program arguments... folder` mounts it and returns.
class FuseMount {
public:
    FuseMount(const QString& program, const QStringList& arguments);
    ~FuseMount();
    FuseMount(const FuseMount&) = delete;
    FuseMount& operator=(const FuseMount&) = delete;

    QString MountPoint() const { return Folder; }
    bool Mounted() const { return IsMounted; }
    // Takes the disc out at once, even while files on it are open.
    void Eject();

private:
    QString Folder;
    bool IsMounted = false;
};

// An ISO image, as a disc in a drive.
class FuseIsoMount : public FuseMount {
public:
    explicit FuseIsoMount(const QString& iso) : FuseMount("fuseiso", {iso}) {}
};

#ifdef QV_FAILING_FS
// Files that fail to open or to read, for root as well (tests/fusefs).
class FailingFileSystemMount : public FuseMount {
public:
    FailingFileSystemMount() : FuseMount(QV_FAILING_FS, {}) {}
};
#endif
