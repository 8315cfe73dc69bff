#include "catalog/CatalogRecord.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

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

// The catalog is single-byte text; one decoder serves every call.
QString AnsiToQString(std::string_view bytes) {
    static QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray QStringToAnsi(const QString& text) {
    static QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString EntryMediaFileName(const CatalogRecord& record) {
    return AnsiToQString(ShortString(record.MediaName)) + QStringLiteral(".AVI");
}

QString EntryVideoFile(const CatalogRecord& record) {
    return QStringLiteral("Video\\") + EntryMediaFileName(record);
}

QString EntryPictureFile(const CatalogRecord& record) {
    return QStringLiteral("Pic\\") + AnsiToQString(ShortString(record.MediaName)) +
           QStringLiteral(".jpg");
}
