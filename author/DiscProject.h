#pragma once
// The disc being made: its catalog records, where each clip and picture comes
// from, and its description, saved as the layout the player reads. Each edit
// is one call that another call reverses, so that a window can offer undo.

#include "catalog/CatalogRecord.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TImageMount;

// Why a text can't be stored in the catalog (Windows-1251, at most 255
// bytes), naming the first character it lacks; empty when it can.
QString CatalogTextProblem(const QString& text);

// One file of the disc: its name there ("Video/CLIP01.AVI") and either the
// file it is copied from or its bytes.
struct TDiscFile {
    QString Name;
    QString Source; // empty: Bytes are the file
    QByteArray Bytes;
};

// A run of records with one group key: one group of the tree.
struct TGroupRun {
    uint8_t Key;
    QString Name;
    int First;
    int Count;
};

class TDiscProject : public QObject {
    Q_OBJECT
public:
    explicit TDiscProject(QObject* parent = nullptr);
    ~TDiscProject() override;

    // Each replaces the whole project, or throws Exception and keeps it.
    // A folder of clips: every clip an entry of its whole file, in a group
    // named after its folder.
    void NewFromFolder(const QString& clips);
    // A disc folder, a mounted disc or a disc image (mounted, read-only).
    void Open(const QString& discOrImage);

    // Where Save writes; empty for a new disc and for an image.
    QString Location() const { return Folder; }
    bool IsReadOnly() const { return ReadOnly; }
    bool IsModified() const { return Modified; }
    void Save();
    // Writes the disc's layout into a folder, which becomes the project's.
    void SaveAs(const QString& folder);

    int Count() const { return static_cast<int>(Catalog.size()); }
    const std::vector<CatalogRecord>& Records() const { return Catalog; }
    const CatalogRecord& Record(int index) const;
    std::vector<TGroupRun> Groups() const;

    // Edits. A refused one throws Exception with the reason and changes nothing.
    void SetTitle(int index, const QString& title);
    void SetGroupName(int index, const QString& name);  // of one record
    void RenameGroup(uint8_t key, const QString& name); // of every record with the key
    // The record's media name only; RenameMedia renames the file of all its entries.
    void SetMediaName(int index, const QString& name);
    void RenameMedia(const QString& from, const QString& to);
    // Seconds; end 0 runs to the end of the file.
    void SetMarks(int index, double start, double end);
    void ReplaceRecord(int index, const CatalogRecord& record);
    void InsertRecords(int at, const std::vector<CatalogRecord>& records);
    std::vector<CatalogRecord> RemoveRecords(int first, int count);
    // Moves count records from first so that they start at position to of
    // the result; MoveRecords(to, count, first) moves them back.
    void MoveRecords(int first, int count, int to);

    // A record for a clip file (its whole length), ready to insert; the clip
    // becomes the file of its media name.
    CatalogRecord ClipRecord(const QString& clip, uint8_t groupKey, const QString& groupName);
    // A key no record has (a new group); throws when all 256 are taken.
    uint8_t UnusedGroupKey() const;

    int Volume() const { return DiscVolume; }
    void SetVolume(int volume);
    QString IniFileName() const { return SettingsName; }
    void SetIniFileName(const QString& name);
    QString VolumeLabel() const { return Label; }
    void SetVolumeLabel(const QString& label);

    // The file behind a media name or its picture; empty when there is none.
    QString MediaFile(const QString& mediaName) const;
    QString PictureFile(const QString& mediaName) const;
    // The baseline JPEG file that becomes the picture of a media name.
    void SetPicture(const QString& mediaName, const QString& jpeg);
    // Forgets a picture given by SetPicture (for undo); the disc's own stays.
    void ForgetPicture(const QString& mediaName);
    // The file behind a disc name such as "Video\CLIP01.AVI", as the player
    // would find it on the saved disc.
    QString FindFile(const QString& discName) const;
    // Every file of the disc; upperCase names them as Windows discs are made.
    std::vector<TDiscFile> DiscFiles(bool upperCase) const;
    // Distinct media names (the first spelling of each, ignoring case).
    QStringList MediaNames() const;

signals:
    // After every change of the records or the description.
    void Changed();

private:
    void Edited();
    void CheckIndex(int index) const;
    void CheckRange(int first, int count) const;
    QByteArray SetupBytes() const;
    void Reset();

    std::vector<CatalogRecord> Catalog;
    QString SourceRoot;              // where files not listed below are found; empty for a new disc
    QMap<QString, QString> Media;    // upper-case media name -> clip
    QMap<QString, QString> Pictures; // upper-case media name -> JPEG
    QByteArray OriginalSetup;
    QString MarkerSource;
    QString Folder;
    bool ReadOnly = false;
    bool Modified = false;
    int DiscVolume = 1;
    QString SettingsName;
    QString Label;
    std::shared_ptr<TImageMount> Mount;
};
