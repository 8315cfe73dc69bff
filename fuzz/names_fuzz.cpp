// Names built from a disc's catalog, resolved on a disc folder: a result is
// always an existing file inside the program folder or the disc, whatever
// the name holds.
#include "FuzzSupport.h"

#include "catalog/CatalogRecord.h"
#include "shell/Pathes.h"

#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The program folder and a disc with files, folders and links that lead off
// the disc, as a crafted image may hold.
struct Folders {
    QString Program = ScratchFolder() + "/program";
    QString Disc = ScratchFolder() + "/disc";
    Folders() {
        for (const char* name : {"setup.inf", "Data/All.dat", "Pic/a.jpg"})
            WriteBytes(Program + "/" + name, "p");
        for (const char* name : {"QUORVIX_PLAYER.EXE", "setup.inf", "Data/All.dat",
                                 "VIDEO/CLIP01.AVI", "Pic/clip01.jpg", "mp3/x.mp3"})
            WriteBytes(Disc + "/" + name, "d");
        WriteBytes(ScratchFolder() + "/secret.txt", "s");
        const auto link = [](const QString& target, const QString& name) {
            if (::symlink(target.toLocal8Bit().constData(), name.toLocal8Bit().constData()) != 0)
                std::abort();
        };
        link(ScratchFolder() + "/secret.txt", Disc + "/VIDEO/out.AVI");
        link("../../secret.txt", Disc + "/Pic/up.jpg");
        link(Program, Disc + "/prog");
        link("/etc", Disc + "/etc");
        WriteBytes(ScratchFolder() + "/mountinfo", "40 1 0:40 / " + QFile::encodeName(Disc) +
                                                       " ro,relatime - fuse.fuseiso fuseiso ro\n");
        SetMountInfoPathForTesting(ScratchFolder() + "/mountinfo");
        SetProgramFolderForTesting(Program);
        SetProgramFileNameForTesting("Quorvix_Player");
    }
};

std::string RealPath(const QString& path) {
    char real[PATH_MAX];
    return ::realpath(QFile::encodeName(path).constData(), real) ? std::string(real) + "/"
                                                                 : std::string();
}

bool Within(const std::string& path, const std::string& folder) {
    return !folder.empty() && path.starts_with(folder);
}

// The file a name asks for: its last component that is not "." or empty.
QString LastComponent(const QString& name) {
    QStringList parts = QString(name).replace('/', '\\').split('\\');
    parts.removeAll(QString());
    parts.removeAll(QStringLiteral("."));
    return parts.isEmpty() ? QString() : parts.last();
}

void CheckResult(const Folders& folders, const QString& name) {
    const QString found = LocateFile(name);
    if (found.isEmpty())
        return;
    FUZZ_CHECK(QFileInfo(found).isFile());
    // The named file itself, not one whose name the system read shorter.
    FUZZ_CHECK(QFileInfo(found).fileName().compare(LastComponent(name), Qt::CaseInsensitive) == 0);
    const std::string real = RealPath(found);
    FUZZ_CHECK(Within(real, RealPath(folders.Program)) || Within(real, RealPath(folders.Disc)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Folders folders;
    // As the catalog gives it: single-byte text of up to 255 bytes.
    const QString name = AnsiToQString(
        std::string_view(reinterpret_cast<const char*>(data), std::min<size_t>(size, 255)));
    CheckResult(folders, name);
    for (const char* folder : {"Video\\", "Pic\\"})
        CheckResult(folders, folder + name + (folder[0] == 'V' ? ".AVI" : ".jpg"));
    FUZZ_CHECK(!ProgramFolderPath(name).contains(QChar(0)));
    return 0;
}
