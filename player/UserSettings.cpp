// The settings a disc volume keeps for its user: the favourites, the
// catalog window's frame and the place to carry on from.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalog/PlayListFile.h"
#include "catalog/SetupInf.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/OuterFrame.h"
#include "platform/SettingsFiles.h"
#include "platform/SettingsSchema.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString Error = QString::fromLatin1(Schema::Missing);

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool UsableWorkDir() {
    return WorkDir != Error && FolderExists(WorkDir);
}

QString ReadText(const TIniFile& file, const QByteArray& section, const char* key) {
    return QString::fromUtf8(file.ReadString(section, key, Schema::Missing));
}

// A settings folder the disc never named: settings are kept from the first run.
bool NoWorkDir(const QString& workDir) {
    return workDir == Error || workDir.isEmpty();
}

// The place is kept to the millisecond, in the C locale's notation.
QByteArray PositionText(double seconds) {
    return QByteArray::number(seconds, 'f', 3);
}

void AddPlace(TIniValues& values, double position) {
    values.push_back({Schema::LastEntryKey, QByteArray::number(CurrentIndex)});
    values.push_back({Schema::LastPositionKey, PositionText(position)});
}

// A place to carry on from: a checked entry whose clip is there, and a
// position within its segment.
bool Resumable(const TMainForm& form, int32_t N, double position) {
    if (!form.EntryPlayable(N) || !std::isfinite(position))
        return false;
    const CatalogRecord& entry = *RecordAt(N);
    const TfcTreeNode* node = CatForm2->NodeOfEntry(entry.EntryIndex);
    return node && node->Checked() && position >= entry.StartPos &&
           (entry.EndPos == 0.0 || position < entry.EndPos);
}

void ApplyPlayListLine(const std::string& line) {
    const auto parsed = ParsePlayListLine(line);
    if (!parsed)
        return;
    if (TfcTreeNode* node = CatForm2->NodeOfEntry(parsed->Entry))
        node->SetChecked(parsed->Checked);
}

} // namespace

// Settings that can't be kept (a name that is no plain file name, a file
// that can't be read, a folder that can't be made) throw after leaving
// nothing to write back: the disc plays on and the failure is shown once.
void TMainForm::LoadUserSettings() {
    SettingsValid = false;
    StoreWorkDir = false;
    WorkDir = Error;
    FavFileName = Error + QLatin1Char('/') + Schema::DefaultFavFile;
    const TIniFile setup(LocateFile(Schema::SetupFile));
    DiscVolume = setup.ReadInteger(Schema::MainSection, Schema::DiscVolumeKey, 0);
    IniFileName = ReadIniFileName(setup);
    IniSection = Schema::VolumeSection(DiscVolume);

    const QByteArray section = IniSection.toUtf8();
    const TIniFile user(UserSettingsPath(IniFileName));
    WorkDir = ReadText(user, section, Schema::WorkDirKey);
    // A disc that names no settings file keeps nothing.
    if (NoWorkDir(WorkDir) && IniFileName != Error) {
        WorkDir = DefaultWorkDir(IniFileName);
        if (!QDir().mkpath(WorkDir))
            throw Exception(tr("Cannot create the folder %1 for this disc's favourites")
                                .arg(WorkDir)
                                .toStdString());
        StoreWorkDir = true;
    }
    SettingsValid = !NoWorkDir(WorkDir);
    FavFileName = ReadText(user, section, Schema::FavFileNameKey);
    if (FavFileName == Error)
        FavFileName = WorkDir + QLatin1Char('/') + Schema::DefaultFavFile;
    const int32_t left = user.ReadInteger(section, Schema::LeftKey, 0);
    const int32_t top = user.ReadInteger(section, Schema::TopKey, 0);
    const int32_t width = user.ReadInteger(section, Schema::WidthKey, 0);
    const int32_t height = user.ReadInteger(section, Schema::HeightKey, 0);

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
                 TIniValues values;
                 if (StoreWorkDir)
                     values.push_back({Schema::WorkDirKey, WorkDir.toUtf8()});
                 values.push_back({Schema::FavFileNameKey, FavFileName.toUtf8()});
                 if (CurrentIndex >= 0 && VidOutForm)
                     AddPlace(values, VidOutForm->ActiveMovie1->CurrentPosition());
                 if (CatForm2) {
                     const QRect frame = CatForm2->frameGeometry();
                     values.push_back({Schema::LeftKey, QByteArray::number(frame.left())});
                     values.push_back({Schema::TopKey, QByteArray::number(frame.top())});
                     values.push_back({Schema::WidthKey, QByteArray::number(frame.width())});
                     values.push_back({Schema::HeightKey, QByteArray::number(frame.height())});
                 }
                 TIniFile(UserSettingsPath(IniFileName)).WriteStrings(IniSection.toUtf8(), values);
             },
             [this] {
                 const qsizetype slash = FavFileName.lastIndexOf(QLatin1Char('/'));
                 if (slash >= 0 && FolderExists(FavFileName.left(slash + 1)))
                     SavePlayList();
             }});
}

// Saved at every entry change, so a folder that can't be written would show a
// message at each one while the order plays on: the first failure is shown,
// later ones only keep trying. The save at exit shows its own.
void TMainForm::SavePlace(double position) {
    if (!SettingsValid || CurrentIndex < 0)
        return;
    TIniValues values;
    AddPlace(values, position);
    try {
        TIniFile(UserSettingsPath(IniFileName)).WriteStrings(IniSection.toUtf8(), values);
    } catch (...) {
        if (std::exchange(PlaceFailureShown, true))
            return;
        throw;
    }
}

// Starts the entry where the user left this volume, when it can carry on there.
bool TMainForm::PlayStoredPlace() {
    if (!SettingsValid)
        return false;
    const QByteArray section = IniSection.toUtf8();
    const TIniFile user(UserSettingsPath(IniFileName));
    const int32_t N = user.ReadInteger(section, Schema::LastEntryKey, -1);
    bool valid = false;
    const double position =
        user.ReadString(section, Schema::LastPositionKey, Schema::Missing).toDouble(&valid);
    if (!valid || !Resumable(*this, N, position))
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
