#pragma once
// The catalog database "Data\All.dat": fixed 1300-byte records, no header.

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#pragma pack(push, 1)
struct CatalogRecord {
    uint8_t GroupKey;
    uint8_t GroupName[256]; // short string: length byte, then Windows-1251 bytes
    uint8_t EntryIndex;     // record position modulo 256, rewritten on load
    uint8_t Title[256];
    uint8_t MediaName[256];
    uint8_t Reserved[514]; // never interpreted, written back as read
    double StartPos;       // seconds
    double EndPos;         // seconds; 0.0 = to the end of the file
};
#pragma pack(pop)
static_assert(sizeof(CatalogRecord) == 1300);

// Short strings: a length byte and up to 255 bytes; bytes past the length are ignored.
std::string ShortString(const uint8_t (&field)[256]);
void SetShortString(uint8_t (&field)[256], std::string_view text);

// Windows-1251 bytes of a catalog text, decoded for display.
QString AnsiToQString(std::string_view bytes);
QByteArray QStringToAnsi(const QString& text);

// An entry's texts, decoded.
QString EntryTitle(const CatalogRecord& record);
QString GroupTitle(const CatalogRecord& record); // the record's own group name
QString MediaNameOf(const CatalogRecord& record);

// Names of an entry's files, relative to the program folder or the disc root.
QString EntryMediaFileName(const CatalogRecord& record); // "CLIP01.AVI"
QString EntryVideoFile(const CatalogRecord& record);     // "Video\CLIP01.AVI"
QString EntryPictureFile(const CatalogRecord& record);   // "Pic\CLIP01.jpg"

extern std::vector<CatalogRecord> Catalog;
extern bool CatalogLoaded;
extern int32_t CurrentIndex;

// The record at an index of Catalog; none past its ends.
CatalogRecord* RecordAt(int64_t index);

// Fills Catalog from LocateFile("Data\All.dat"); throws EInOutError on I/O failure.
void LoadCatalog();
// Entries are named by one byte, so no disc needs more than 256 records; the
// bound only keeps a crafted file (about 85 MB at this bound) from being
// allocated before it is read.
inline constexpr uint64_t MaxCatalogRecords = 65536;
// Reads / writes a whole catalog file; the write replaces the file atomically.
// A file of more than MaxCatalogRecords records is refused with an Exception
// naming it.
std::vector<CatalogRecord> ReadCatalogFile(const QString& path);
void WriteCatalogFile(const QString& path, const std::vector<CatalogRecord>& records);
// Path of the catalog beside the running program: where SaveCatalog writes.
QString ProgramCatalogPath();
