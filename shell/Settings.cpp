#include "shell/Settings.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/IniFile.h"
#include "player/Unit1.h"
#include "shell/Exceptions.h"
#include "shell/OuterFrame.h"
#include "shell/Pathes.h"
#include "shell/PlayListFile.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>

#include <cmath>

namespace {

const QString Error = QStringLiteral("ERROR");

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool UsableWorkDir() {
    return WorkDir != Error && FolderExists(WorkDir);
}

QString ReadText(const TIniFile& file, const QByteArray& section, const QByteArray& key) {
    return QString::fromUtf8(file.ReadString(section, key, "ERROR"));
}

QString ConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/quorvix-player");
}

// The place is kept to the millisecond, in the C locale's notation.
QByteArray PositionText(double seconds) {
    return QByteArray::number(seconds, 'f', 3);
}

void WritePlace(TIniFile& user, const QByteArray& section, double position) {
    user.WriteInteger(section, "LastEntry", CurrentIndex);
    user.WriteString(section, "LastPosition", PositionText(position));
}

// A place to carry on from: a checked entry whose clip is there, and a
// position within its segment.
bool Resumable(int32_t N, double position) {
    if (N < 0 || static_cast<size_t>(N) >= Catalog.size() || !std::isfinite(position))
        return false;
    const CatalogRecord& entry = Catalog[static_cast<size_t>(N)];
    const TfcTreeNode* node = CatForm2->NodeOfEntry(entry.EntryIndex);
    return node && node->Checked() && position >= entry.StartPos &&
           (entry.EndPos == 0.0 || position < entry.EndPos) &&
           QFileInfo(LocateFile(EntryVideoFile(entry))).isFile();
}

void ApplyPlayListLine(const std::string& line) {
    const auto parsed = ParsePlayListLine(line);
    if (!parsed)
        return;
    if (TfcTreeNode* node = CatForm2->NodeOfEntry(parsed->Entry))
        node->SetChecked(parsed->Checked);
}

} // namespace

QString UserSettingsPath(const QString& iniFileName) {
    const QString name = iniFileName + QStringLiteral(".ini");
    return QDir::isAbsolutePath(name) ? name : ConfigFolder() + QLatin1Char('/') + name;
}

QString ProgramSettingsPath() {
    return ConfigFolder() + QStringLiteral("/quorvix-player.ini");
}

void CheckStorableFavFileName(const QString& path) {
    if (!TIniFile::CanStore(path.toUtf8()))
        throw Exception("Cannot use " + path.toStdString() +
                        " as the play list: its name holds a line break or a NUL byte");
}

int32_t ReadDiscVolume() {
    return TIniFile(LocateFile(QStringLiteral("setup.inf"))).ReadInteger("Main", "Volume", 0);
}

void TMainForm::LoadUserSettings() {
    const TIniFile setup(LocateFile(QStringLiteral("setup.inf")));
    DiscVolume = setup.ReadInteger("Main", "Volume", 0);
    // The disc's description is Windows text, like its catalog.
    IniFileName = AnsiToQString(setup.ReadString("Main", "IniFileName", "ERROR").toStdString());
    SettingsValid = true;
    IniSection = QStringLiteral("Volume") + QString::number(DiscVolume);

    const QByteArray section = IniSection.toUtf8();
    const TIniFile user(UserSettingsPath(IniFileName));
    WorkDir = ReadText(user, section, "WorkDir");
    if (WorkDir == Error)
        SettingsValid = false;
    FavFileName = ReadText(user, section, "FavFileName");
    if (FavFileName == Error)
        FavFileName = WorkDir + QStringLiteral("/Favorites.lst");
    const int32_t left = user.ReadInteger(section, "left", 0);
    const int32_t top = user.ReadInteger(section, "top", 0);
    const int32_t width = user.ReadInteger(section, "width", 0);
    const int32_t height = user.ReadInteger(section, "height", 0);

    if (!UsableWorkDir() || !CatForm2)
        return;
    if (left != 0 && top != 0 && width != 0 && height != 0) {
        CatForm2->SizeFromSettings = true;
        CatForm2->Outer->SetBounds(QRect(left, top, width, height));
    }
    CatForm2->SetDialogFolder(WorkDir);
}

// The favourites are saved even when the settings file can't be written.
void TMainForm::WriteUserSettings() {
    if (!SettingsValid)
        return;
    RunEach({[this] {
                 const QByteArray section = IniSection.toUtf8();
                 TIniFile user(UserSettingsPath(IniFileName));
                 user.WriteString(section, "FavFileName", FavFileName.toUtf8());
                 if (CurrentIndex >= 0 && VidOutForm)
                     WritePlace(user, section, VidOutForm->ActiveMovie1->CurrentPosition());
                 if (CatForm2) {
                     const QRect frame = CatForm2->frameGeometry();
                     user.WriteInteger(section, "left", frame.left());
                     user.WriteInteger(section, "top", frame.top());
                     user.WriteInteger(section, "width", frame.width());
                     user.WriteInteger(section, "height", frame.height());
                 }
             },
             [this] {
                 const qsizetype slash = FavFileName.lastIndexOf(QLatin1Char('/'));
                 if (slash >= 0 && FolderExists(FavFileName.left(slash + 1)))
                     SavePlayList();
             }});
}

void TMainForm::SavePlace(double position) {
    if (!SettingsValid || CurrentIndex < 0)
        return;
    TIniFile user(UserSettingsPath(IniFileName));
    WritePlace(user, IniSection.toUtf8(), position);
}

// Starts the entry where the user left this volume, when it can carry on there.
bool TMainForm::PlayStoredPlace() {
    const QByteArray section = IniSection.toUtf8();
    const TIniFile user(UserSettingsPath(IniFileName));
    const int32_t N = user.ReadInteger(section, "LastEntry", -1);
    bool valid = false;
    const double position = user.ReadString(section, "LastPosition", "ERROR").toDouble(&valid);
    if (!valid || !Resumable(N, position))
        return false;
    PlayEntry(N, position);
    return true;
}

void TMainForm::SavePlayList() {
    try {
        if (UsableWorkDir() && CatForm2) {
            CatForm2->CollectPlayListLines(PlayListLines);
            WritePlayListFile(FavFileName, PlayListLines);
        }
    } catch (...) {
        PlayListLines.clear();
        throw;
    }
    PlayListLines.clear();
}

void TMainForm::RestorePlayList() {
    if (!QFileInfo(FavFileName).isFile() || !UsableWorkDir() || !CatForm2)
        return;
    PlayListLines = ReadPlayListFile(FavFileName);
    CatForm2->Label3->setText(QFileInfo(FavFileName).fileName());
    if (PlayListLines.empty())
        return;
    TfcTreeView* tree = CatForm2->fcTreeView1;
    tree->BeginUpdate();
    try {
        for (const std::string& line : PlayListLines)
            ApplyPlayListLine(line);
    } catch (...) {
        tree->EndUpdate();
        PlayListLines.clear();
        throw;
    }
    tree->EndUpdate();
    PlayListLines.clear();
}
