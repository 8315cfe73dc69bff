#include "catalog/CatalogRecord.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <iterator>

std::vector<CatalogRecord> Catalog;
bool CatalogLoaded = false;
int32_t CurrentIndex = -1;

std::string ShortString(const uint8_t (&field)[256]) {
    return std::string(reinterpret_cast<const char*>(field + 1), field[0]);
}

void SetShortString(uint8_t (&field)[256], std::string_view text) {
    const size_t length = std::min<size_t>(text.size(), 255);
    field[0] = static_cast<uint8_t>(length);
    std::memcpy(field + 1, text.data(), length);
}

namespace {

// Windows-1251 above ASCII. 0x98 is unassigned and stands for U+0098, as on
// Windows. A table of our own rather than the system's converter: this is
// the only code page the disc knows, and the converter's data costs the
// program about a megabyte of memory.
constexpr char16_t UpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0: А..Я
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0: а..я
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, //
};

// What Windows writes for a character the code page lacks.
constexpr char Substitute = 0x1A;

char AnsiByte(char32_t point) {
    if (point < 0x80)
        return static_cast<char>(point);
    const auto* found = std::find(std::begin(UpperHalf), std::end(UpperHalf), point);
    return found == std::end(UpperHalf) ? Substitute
                                        : static_cast<char>(0x80 + (found - UpperHalf));
}

} // namespace

QString AnsiToQString(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        text[static_cast<qsizetype>(i)] = QChar(b < 0x80 ? char16_t{b} : UpperHalf[b - 0x80]);
    }
    return text;
}

// A character outside the code page, a lone surrogate among them, is one
// substitute byte.
QByteArray QStringToAnsi(const QString& text) {
    QByteArray bytes;
    for (const char32_t point : text.toUcs4())
        bytes += AnsiByte(point);
    return bytes;
}

QString EntryTitle(const CatalogRecord& record) {
    return AnsiToQString(ShortString(record.Title));
}

QString GroupTitle(const CatalogRecord& record) {
    return AnsiToQString(ShortString(record.GroupName));
}

QString MediaNameOf(const CatalogRecord& record) {
    return AnsiToQString(ShortString(record.MediaName));
}

CatalogRecord* RecordAt(int64_t index) {
    return index >= 0 && static_cast<uint64_t>(index) < Catalog.size()
               ? &Catalog[static_cast<size_t>(index)]
               : nullptr;
}

QString EntryMediaFileName(const CatalogRecord& record) {
    return MediaNameOf(record) + QStringLiteral(".AVI");
}

QString EntryVideoFile(const CatalogRecord& record) {
    return QStringLiteral("Video\\") + EntryMediaFileName(record);
}

QString EntryPictureFile(const CatalogRecord& record) {
    return QStringLiteral("Pic\\") + MediaNameOf(record) + QStringLiteral(".jpg");
}
