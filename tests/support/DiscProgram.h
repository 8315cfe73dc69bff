#pragma once
// The whole program, with the real disc watch and the real playback engine,
// on a disc image mounted with fuseiso. The program sees a mount table of the
// test's own, so that discs mounted by others on the machine stay unseen.

#include "support/SampleDisc.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

class TWinMediaPlayer;

class DiscProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The disc goes into the drive, or comes out even while files on it are open.
    void Insert(const QString& iso);
    void Eject();

    static TWinMediaPlayer* Control();
    static bool WaitForState(int state);
    static std::string State();

    QTemporaryDir ProgramDir, ConfigDir;
    std::unique_ptr<FuseIsoMount> Mount;

private:
    void WriteMountInfo(const QByteArray& lines) const;
};
