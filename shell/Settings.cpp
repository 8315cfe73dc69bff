#include "shell/Settings.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "player/Unit1.h"
#include "shell/Application.h"
#include "shell/OuterFrame.h"
#include "shell/Pathes.h"
#include "shell/PlayListFile.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString Error = QStringLiteral("ERROR");

// The program's settings file that could not be read in this run.
QString UnreadableProgramSettings;

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool UsableWorkDir() {
    return WorkDir != Error && FolderExists(WorkDir);
}

QString ReadText(const TIniFile& file, const QByteArray& section, const QByteArray& key) {
    return QString::fromUtf8(file.ReadString(section, key, "ERROR"));
}

// The program's folder in an XDG base folder, or in its default under home.
QString XdgFolder(const char* variable, const QString& fallback) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + fallback;
    return base + QStringLiteral("/quorvix-player");
}

QString ConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

// Control characters shown as \xHH, so that a message can't drive a terminal.
QString Printable(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += c.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown;
}

// A disc names a file in the program's own folders, never a path: on a
// Windows disc a backslash is a separator too.
QString PlainFileName(const QString& name) {
    const bool plain = !name.isEmpty() && name != QStringLiteral(".") &&
                       name != QStringLiteral("..") && !name.contains(QLatin1Char('/')) &&
                       !name.contains(QLatin1Char('\\')) &&
                       std::none_of(name.begin(), name.end(),
                                    [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!plain)
        throw Exception(QStringLiteral("This disc's settings can't be kept: its setup.inf names "
                                       "the settings file \"%1\", which is not a plain file name")
                            .arg(Printable(name))
                            .toStdString());
    return name;
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
    values.push_back({"LastEntry", QByteArray::number(CurrentIndex)});
    values.push_back({"LastPosition", PositionText(position)});
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

QString ReadIniFileName(const TIniFile& setup) {
    return AnsiToQString(setup.ReadString("Main", "IniFileName", "ERROR").toStdString());
}

QString UserSettingsPath(const QString& iniFileName) {
    return ConfigFolder() + QLatin1Char('/') + PlainFileName(iniFileName) + QStringLiteral(".ini");
}

QString DefaultWorkDir(const QString& iniFileName) {
    return XdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QLatin1Char('/') +
           PlainFileName(iniFileName);
}

QString ProgramSettingsPath() {
    return ConfigFolder() + QStringLiteral("/quorvix-player.ini");
}

QByteArray ReadProgramSetting(const QByteArray& key, const QByteArray& defaultValue) {
    const QString path = ProgramSettingsPath();
    if (path == UnreadableProgramSettings)
        return defaultValue;
    try {
        return TIniFile(path).ReadString("Player", key, defaultValue);
    } catch (const EInOutError& error) {
        UnreadableProgramSettings = path;
        const QString text = QString::fromUtf8(error.what());
        QTimer::singleShot(0, QCoreApplication::instance(), [text] { ReportError(text); });
        return defaultValue;
    }
}

void WriteProgramSettings(const TIniValues& values) {
    const QString path = ProgramSettingsPath();
    if (path != UnreadableProgramSettings)
        TIniFile(path).WriteStrings("Player", values);
}

void CheckStorableFavFileName(const QString& path) {
    if (!TIniFile::CanStore(path.toUtf8()))
        throw Exception("Cannot use " + path.toStdString() +
                        " as the play list: its name holds a line break or a NUL byte");
}

int32_t ReadDiscVolume() {
    return TIniFile(LocateFile(QStringLiteral("setup.inf"))).ReadInteger("Main", "Volume", 0);
}

// Settings that can't be kept (a name that is no plain file name, a file
// that can't be read, a folder that can't be made) throw after leaving
// nothing to write back: the disc plays on and the failure is shown once.
void TMainForm::LoadUserSettings() {
    SettingsValid = false;
    StoreWorkDir = false;
    WorkDir = Error;
    FavFileName = Error + QStringLiteral("/Favorites.lst");
    const TIniFile setup(LocateFile(QStringLiteral("setup.inf")));
    DiscVolume = setup.ReadInteger("Main", "Volume", 0);
    IniFileName = ReadIniFileName(setup);
    IniSection = QStringLiteral("Volume") + QString::number(DiscVolume);

    const QByteArray section = IniSection.toUtf8();
    const TIniFile user(UserSettingsPath(IniFileName));
    WorkDir = ReadText(user, section, "WorkDir");
    // A disc that names no settings file keeps nothing.
    if (NoWorkDir(WorkDir) && IniFileName != Error) {
        WorkDir = DefaultWorkDir(IniFileName);
        if (!QDir().mkpath(WorkDir))
            throw Exception("Cannot create the folder " + WorkDir.toStdString() +
                            " for this disc's favourites");
        StoreWorkDir = true;
    }
    SettingsValid = !NoWorkDir(WorkDir);
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
                 TIniValues values;
                 if (StoreWorkDir)
                     values.push_back({"WorkDir", WorkDir.toUtf8()});
                 values.push_back({"FavFileName", FavFileName.toUtf8()});
                 if (CurrentIndex >= 0 && VidOutForm)
                     AddPlace(values, VidOutForm->ActiveMovie1->CurrentPosition());
                 if (CatForm2) {
                     const QRect frame = CatForm2->frameGeometry();
                     values.push_back({"left", QByteArray::number(frame.left())});
                     values.push_back({"top", QByteArray::number(frame.top())});
                     values.push_back({"width", QByteArray::number(frame.width())});
                     values.push_back({"height", QByteArray::number(frame.height())});
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
