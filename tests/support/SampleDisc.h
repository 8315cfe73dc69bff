#pragma once
// The sample disc for tests: made by the make_sample_disc tool once per test
// program, and mounted from its ISO image with fuseiso as a real disc would be.

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct SampleDiscFiles {
    QString Folder; // the disc's files as a folder
    QString Iso;    // the same as an ISO 9660 image
};

// Runs a tool to its end; throws with its error output when it fails.
void RunOrThrow(const QString& program, const QStringList& arguments);

// Made on first use for each volume number and kept until the program ends;
// throws when the tool fails.
const SampleDiscFiles& SampleDisc(int volume = 1);

// Empty when fuseiso can mount here, else the reason it cannot.
QString FuseUnavailableReason();

#define QV_SKIP_WITHOUT_FUSE()                                                                     \
    do {                                                                                           \
        const QString reason = FuseUnavailableReason();                                            \
        if (!reason.isEmpty())                                                                     \
            GTEST_SKIP() << reason.toStdString();                                                  \
    } while (false)

// An ISO image mounted in a fresh folder for as long as the object lives.
class FuseIsoMount {
public:
    explicit FuseIsoMount(const QString& iso);
    ~FuseIsoMount();
    FuseIsoMount(const FuseIsoMount&) = delete;
    FuseIsoMount& operator=(const FuseIsoMount&) = delete;

    QString MountPoint() const { return Folder; }
    bool Mounted() const { return IsMounted; }
    // Takes the disc out at once, even while files on it are open.
    void Eject();

private:
    QString Folder;
    bool IsMounted = false;
};
