#include "support/DiscProgram.h"

#include "catalog/CatalogRecord.h"
#include "media/MediaPlayer_TLB.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QFile>
#include <QTest>

namespace {

QString MountInfoPath(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("mountinfo"));
}

} // namespace

void DiscProgramTest::SetUp() {
    QV_SKIP_WITHOUT_FUSE();
    // A copy of the program on the hard disk: everything comes from the disc.
    WriteMountInfo("");
    SetMountInfoPathForTesting(MountInfoPath(ProgramDir));
    SetProgramFolderForTesting(ProgramDir.path());
    SetProgramFileNameForTesting(QStringLiteral("Quorvix_Player"));
    qputenv("XDG_CONFIG_HOME", ConfigDir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", ConfigDir.filePath(QStringLiteral("data")).toLocal8Bit());
    CreateForms();
    ShowForms();
}

// The globals, the seams and the environment go back after each test (TestIsolation).
void DiscProgramTest::TearDown() {
    if (MainForm) {
        MainForm->close();
        DestroyForms();
    }
    Mount.reset();
}

void DiscProgramTest::WriteMountInfo(const QByteArray& lines) const {
    QFile file(MountInfoPath(ProgramDir));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines);
}

void DiscProgramTest::Insert(const QString& iso) {
    Mount = std::make_unique<FuseIsoMount>(iso);
    WriteMountInfo("1 1 0:1 / " + QFile::encodeName(Mount->MountPoint()) +
                   " ro - fuse.fuseiso fuseiso ro\n");
}

void DiscProgramTest::Eject() {
    Mount->Eject();
    WriteMountInfo("");
}

TWinMediaPlayer* DiscProgramTest::Control() {
    return VidOutForm->ActiveMovie1;
}

bool DiscProgramTest::WaitForState(int state) {
    return QTest::qWaitFor([state] { return Control()->PlayState() == state; }, 10000);
}

std::string DiscProgramTest::State() {
    return QStringLiteral("entry %1, play state %2, open state %3, position %4, file %5")
        .arg(CurrentIndex)
        .arg(Control()->PlayState())
        .arg(Control()->OpenState())
        .arg(Control()->CurrentPosition())
        .arg(Control()->FileName())
        .toStdString();
}
