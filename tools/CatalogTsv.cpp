#include "tools/CatalogTsv.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>

const char* const CatalogTsvHeader =
    "index\tgroup key\tgroup name\ttitle\tmedia name\tstart\tend\tother bytes";

TCatalogTextError::TCatalogTextError(int line, const QString& what)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(what).toStdString()) {}

namespace {

constexpr size_t RecordSize = sizeof(CatalogRecord);
constexpr qsizetype ColumnCount = 8;
using TRecordBytes = std::array<uint8_t, RecordSize>;

// The character of each catalog byte. Control bytes, the backslash and bytes
// the code page leaves undefined have none: they are written as escapes.
struct TCodePage {
    std::array<char32_t, 256> Char{};
    QHash<char32_t, uint8_t> Byte;
};

const TCodePage& CodePage() {
    static const TCodePage page = [] {
        TCodePage p;
        for (int b = 0x20; b < 256; ++b) {
            if (b == '\\' || b == 0x7F)
                continue;
            const QList<uint> points = AnsiToQString(std::string(1, static_cast<char>(b))).toUcs4();
            if (points.size() != 1 || points[0] == 0xFFFD || p.Byte.contains(points[0]))
                continue;
            p.Char[b] = points[0];
            p.Byte.insert(points[0], static_cast<uint8_t>(b));
        }
        return p;
    }();
    return page;
}

QString HexByte(uint8_t b) {
    return QString::number(b, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

// Bytes written as a backslash and a letter; the rest without a character as \xHH.
struct TEscape {
    char Byte;
    char Letter;
};
constexpr TEscape Escapes[] = {{'\t', 't'}, {'\n', 'n'}, {'\r', 'r'}, {'\\', '\\'}};

QString TextField(const std::string& bytes) {
    QString text;
    for (const unsigned char b : bytes) {
        if (const char32_t c = CodePage().Char[b]) {
            text += QString::fromUcs4(&c, 1);
            continue;
        }
        const auto* escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                          [b](const TEscape& e) { return e.Byte == char(b); });
        text +=
            QLatin1Char('\\') + (escape != std::end(Escapes) ? QString(QLatin1Char(escape->Letter))
                                                             : QLatin1Char('x') + HexByte(b));
    }
    return text;
}

bool IsHexDigit(uint c) {
    return c < 0x80 && std::isxdigit(static_cast<int>(c));
}

// One escape starting at points[i], the backslash; i ends on its last character.
char Unescape(int line, const QList<uint>& points, qsizetype& i, const char* column) {
    const uint next = i + 1 < points.size() ? points[i + 1] : 0;
    i += 1;
    for (const TEscape& escape : Escapes)
        if (next == static_cast<uint>(escape.Letter))
            return escape.Byte;
    if (next == 'x' && i + 2 < points.size() && IsHexDigit(points[i + 1]) &&
        IsHexDigit(points[i + 2])) {
        const char digits[] = {static_cast<char>(points[i + 1]), static_cast<char>(points[i + 2])};
        i += 2;
        return static_cast<char>(QByteArray::fromHex(QByteArray(digits, 2))[0]);
    }
    throw TCatalogTextError(line, QStringLiteral("%1: a backslash must begin \\t, \\n, \\r, "
                                                 "\\\\ or \\xHH")
                                      .arg(QLatin1String(column)));
}

std::string ParseText(int line, const QString& field, const char* column) {
    std::string bytes;
    const QList<uint> points = field.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (points[i] == '\\') {
            bytes += Unescape(line, points, i, column);
            continue;
        }
        const auto found = CodePage().Byte.constFind(points[i]);
        if (found == CodePage().Byte.constEnd())
            throw TCatalogTextError(
                line, QStringLiteral("%1: the character U+%2 has no place in Windows-1251")
                          .arg(QLatin1String(column))
                          .arg(QString::number(points[i], 16).rightJustified(4, '0').toUpper()));
        bytes += static_cast<char>(*found);
    }
    if (bytes.size() > 255)
        throw TCatalogTextError(line,
                                QStringLiteral("%1 is %2 bytes in Windows-1251; at most 255 fit")
                                    .arg(QLatin1String(column))
                                    .arg(bytes.size()));
    return bytes;
}

// Shortest text that reads back as the same double; a NaN keeps its bits.
QString NumberField(double value) {
    if (std::isnan(value))
        return QStringLiteral("nan:") +
               QString::number(std::bit_cast<uint64_t>(value), 16).rightJustified(16, '0');
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

double ParseNumber(int line, const QString& field, const char* column) {
    const auto fail = [&] {
        return TCatalogTextError(line, QStringLiteral("%1 is not a number of seconds: \"%2\"")
                                           .arg(QLatin1String(column), field));
    };
    if (field.startsWith(QLatin1String("nan:"))) {
        bool ok = false;
        const double value = std::bit_cast<double>(field.mid(4).toULongLong(&ok, 16));
        if (!ok || !std::isnan(value))
            throw fail();
        return value;
    }
    const QByteArray text = field.toLatin1();
    double value = 0;
    const auto result = std::from_chars(text.cbegin(), text.cend(), value);
    if (text.isEmpty() || result.ec != std::errc() || result.ptr != text.cend())
        throw fail();
    return value;
}

uint8_t ParseGroupKey(int line, const QString& field) {
    bool ok = false;
    const uint key = field.toUInt(&ok);
    if (!ok || key > 255)
        throw TCatalogTextError(line,
                                QStringLiteral("group key must be 0 to 255: \"%1\"").arg(field));
    return static_cast<uint8_t>(key);
}

// What a record holds where no column says otherwise: zeros, and the entry
// number that the program itself writes.
TRecordBytes DefaultBytes(size_t index) {
    TRecordBytes bytes{};
    bytes[offsetof(CatalogRecord, EntryIndex)] = static_cast<uint8_t>(index % 256);
    return bytes;
}

// The record with the bytes that other columns carry cleared.
TRecordBytes OtherBytes(const CatalogRecord& record) {
    TRecordBytes bytes;
    std::memcpy(bytes.data(), &record, RecordSize);
    const auto clear = [&](size_t offset, size_t count) {
        std::memset(bytes.data() + offset, 0, count);
    };
    clear(offsetof(CatalogRecord, GroupKey), 1);
    clear(offsetof(CatalogRecord, GroupName), 1 + record.GroupName[0]);
    clear(offsetof(CatalogRecord, Title), 1 + record.Title[0]);
    clear(offsetof(CatalogRecord, MediaName), 1 + record.MediaName[0]);
    clear(offsetof(CatalogRecord, StartPos), 2 * sizeof(double));
    return bytes;
}

bool HeldByOtherColumns(size_t offset) {
    return offset == offsetof(CatalogRecord, GroupKey) ||
           offset == offsetof(CatalogRecord, GroupName) ||
           offset == offsetof(CatalogRecord, Title) ||
           offset == offsetof(CatalogRecord, MediaName) ||
           offset >= offsetof(CatalogRecord, StartPos);
}

// Spans that differ from the defaults, as "offset:HEX" items; a span goes on
// across a few unchanged bytes rather than starting a new item.
QString OtherBytesField(const TRecordBytes& bytes, const TRecordBytes& defaults) {
    constexpr size_t Bridge = 4;
    QStringList items;
    size_t start = 0;
    while (start < RecordSize) {
        if (bytes[start] == defaults[start]) {
            ++start;
            continue;
        }
        size_t end = start + 1;
        for (size_t i = end, same = 0; i < RecordSize && same < Bridge && !HeldByOtherColumns(i);
             ++i) {
            if (bytes[i] == defaults[i]) {
                ++same;
            } else {
                same = 0;
                end = i + 1;
            }
        }
        const QByteArray span(reinterpret_cast<const char*>(bytes.data() + start),
                              static_cast<qsizetype>(end - start));
        items << QString::number(start) + QLatin1Char(':') +
                     QString::fromLatin1(span.toHex().toUpper());
        start = end;
    }
    return items.join(QLatin1Char(' '));
}

bool IsHex(const QString& text) {
    for (const QChar c : text)
        if (!IsHexDigit(c.unicode()))
            return false;
    return !text.isEmpty() && text.size() % 2 == 0;
}

void ApplyOtherBytes(int line, const QString& field, TRecordBytes& bytes) {
    for (const QString& item : field.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        bool ok = colon > 0;
        const uint offset = ok ? item.left(colon).toUInt(&ok) : 0;
        const QString hex = item.mid(colon + 1);
        if (!ok || !IsHex(hex) || offset + static_cast<size_t>(hex.size() / 2) > RecordSize)
            throw TCatalogTextError(
                line, QStringLiteral("other bytes: \"%1\" is not OFFSET:HEX within a record of %2 "
                                     "bytes")
                          .arg(item)
                          .arg(RecordSize));
        const QByteArray span = QByteArray::fromHex(hex.toLatin1());
        for (qsizetype i = 0; i < span.size(); ++i) {
            if (HeldByOtherColumns(offset + i))
                throw TCatalogTextError(
                    line, QStringLiteral("other bytes: byte %1 belongs to another column")
                              .arg(offset + i));
            bytes[offset + i] = static_cast<uint8_t>(span[i]);
        }
    }
}

// The index is the dump's, for reading: a number, or nothing at all.
void CheckIndex(int line, const QString& field) {
    if (!std::all_of(field.cbegin(), field.cend(),
                     [](QChar c) { return c.isDigit() && c.unicode() < 0x80; }))
        throw TCatalogTextError(
            line, QStringLiteral("index is not a number: \"%1\" (records are numbered by line)")
                      .arg(field));
}

CatalogRecord ParseRecord(int line, const QString& text, size_t index) {
    const QStringList columns = text.split(QLatin1Char('\t'));
    if (columns.size() != ColumnCount && columns.size() != ColumnCount - 1)
        throw TCatalogTextError(line,
                                QStringLiteral("expected %1 columns separated by tabs, found %2")
                                    .arg(ColumnCount)
                                    .arg(columns.size()));
    CheckIndex(line, columns[0]);
    TRecordBytes bytes = DefaultBytes(index);
    if (columns.size() == ColumnCount)
        ApplyOtherBytes(line, columns[7], bytes);
    CatalogRecord record;
    std::memcpy(&record, bytes.data(), RecordSize);
    record.GroupKey = ParseGroupKey(line, columns[1]);
    SetShortString(record.GroupName, ParseText(line, columns[2], "group name"));
    SetShortString(record.Title, ParseText(line, columns[3], "title"));
    SetShortString(record.MediaName, ParseText(line, columns[4], "media name"));
    record.StartPos = ParseNumber(line, columns[5], "start");
    record.EndPos = ParseNumber(line, columns[6], "end");
    return record;
}

QString DecodeLine(int line, QByteArray bytes) {
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw TCatalogTextError(line, QStringLiteral("not UTF-8 text"));
    return text;
}

} // namespace

QByteArray CatalogToTsv(const std::vector<CatalogRecord>& records) {
    QByteArray out = QByteArray(CatalogTsvHeader) + '\n';
    for (size_t i = 0; i < records.size(); ++i) {
        const CatalogRecord& r = records[i];
        const QStringList columns{QString::number(i),
                                  QString::number(r.GroupKey),
                                  TextField(ShortString(r.GroupName)),
                                  TextField(ShortString(r.Title)),
                                  TextField(ShortString(r.MediaName)),
                                  NumberField(r.StartPos),
                                  NumberField(r.EndPos),
                                  OtherBytesField(OtherBytes(r), DefaultBytes(i))};
        out += columns.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return out;
}

std::vector<CatalogRecord> CatalogFromTsv(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || DecodeLine(1, lines[0]) != QLatin1String(CatalogTsvHeader))
        throw TCatalogTextError(1, QStringLiteral("the first line must be the header \"%1\"")
                                       .arg(QString(CatalogTsvHeader).replace('\t', "\\t")));
    if (lines.size() == 1)
        throw TCatalogTextError(2, QStringLiteral("no record follows the header; the player "
                                                  "would find no catalog"));
    std::vector<CatalogRecord> records;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const int line = static_cast<int>(n + 1);
        if (records.size() == MaxCatalogRecords)
            throw TCatalogTextError(line, QStringLiteral("more than %1 records; the player "
                                                         "reads no catalog that large")
                                              .arg(MaxCatalogRecords));
        records.push_back(ParseRecord(line, DecodeLine(line, lines[n]), records.size()));
    }
    return records;
}
