#include "platform/IniFile.h"

#include "platform/Exceptions.h"
#include "platform/ReplaceFile.h"
#include "platform/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

using Line = TTextLine;

QByteArray TextOf(const QByteArray& bytes, const Line& line) {
    return bytes.mid(line.Begin, line.End - line.Begin);
}

// A NUL ends a line as a line break does, so the padding some tools leave
// after the last value is no part of it. A line cut short by a NUL has no
// line end of its own (Next == End): a key added after it goes before the NUL.
std::vector<Line> ProfileLines(const QByteArray& bytes) {
    std::vector<Line> lines;
    for (const Line& line : SplitLines(bytes)) {
        qsizetype begin = line.Begin;
        for (;;) {
            const auto nul = std::find(bytes.begin() + begin, bytes.begin() + line.End, '\0');
            if (nul == bytes.begin() + line.End)
                break;
            const qsizetype at = nul - bytes.begin();
            lines.push_back({begin, at, at});
            begin = at + 1;
        }
        lines.push_back({begin, line.End, line.Next});
    }
    return lines;
}

// DOS editors end a file with Ctrl-Z, which counts as white space here.
bool Blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

QByteArray Trimmed(const QByteArray& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && Blank(text[begin]))
        ++begin;
    while (end > begin && Blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// One pair of matching quotes around a value is no part of it.
QByteArray Unquoted(const QByteArray& value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

bool SectionName(const QByteArray& text, QByteArray& name) {
    const QByteArray trimmed = Trimmed(text);
    if (!trimmed.startsWith('['))
        return false;
    const qsizetype close = trimmed.indexOf(']');
    name = Trimmed(trimmed.mid(1, close < 0 ? -1 : close - 1));
    return true;
}

// Key of a "key=value" line; comments and lines without '=' have none.
bool KeyName(const QByteArray& text, QByteArray& key, QByteArray& value) {
    const QByteArray trimmed = Trimmed(text);
    if (trimmed.startsWith(';'))
        return false;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return false;
    key = Trimmed(trimmed.left(equals));
    value = Unquoted(Trimmed(trimmed.mid(equals + 1)));
    return true;
}

bool SameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Place {
    int SectionLine = -1; // header of the first matching section
    int KeyLine = -1;
    int LastLine = -1; // last non-blank line of the section
    QByteArray Key;
    QByteArray Value;
};

Place Find(const QByteArray& bytes, const std::vector<Line>& lines, const QByteArray& section,
           const QByteArray& key) {
    Place place;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const QByteArray text = TextOf(bytes, lines[i]);
        QByteArray name;
        if (SectionName(text, name)) {
            if (place.SectionLine >= 0)
                break;
            if (SameName(name, section))
                place.SectionLine = place.LastLine = i;
            continue;
        }
        if (place.SectionLine < 0)
            continue;
        if (!Trimmed(text).isEmpty())
            place.LastLine = i;
        QByteArray lineKey, value;
        if (place.KeyLine < 0 && KeyName(text, lineKey, value) && SameName(lineKey, key)) {
            place.KeyLine = i;
            place.Key = lineKey;
            place.Value = value;
        }
    }
    return place;
}

QByteArray LineEndOf(const QByteArray& bytes) {
    const qsizetype at = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (at < 0 || cr < at))
        return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? "\r\n" : "\r";
    return at >= 0 ? "\n" : "\r\n";
}

bool ParseInteger(const QByteArray& text, int32_t& result) {
    bool ok = false;
    qlonglong value = 0;
    if (text.startsWith("0x") || text.startsWith("0X"))
        value = text.mid(2).toLongLong(&ok, 16);
    else if (text.startsWith('$'))
        value = text.mid(1).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return false;
    result = static_cast<int32_t>(value);
    return true;
}

// Sets the key in the bytes of a file, touching nothing else.
void Put(QByteArray& bytes, const QByteArray& section, const QByteArray& key,
         const QByteArray& value) {
    const std::vector<Line> lines = ProfileLines(bytes);
    const Place place = Find(bytes, lines, section, key);
    const QByteArray eol = LineEndOf(bytes);
    if (place.KeyLine >= 0) {
        const Line& line = lines[place.KeyLine];
        bytes.replace(line.Begin, line.End - line.Begin, place.Key + '=' + value);
    } else if (place.SectionLine >= 0) {
        const Line& last = lines[place.LastLine];
        const QByteArray entry = key + '=' + value + eol;
        if (last.Next == last.End) // the section ends without a line end: the file's or a NUL's
            bytes.insert(last.End, eol + entry);
        else
            bytes.insert(last.Next, entry);
    } else {
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bytes += eol;
        bytes += '[' + section + ']' + eol + key + '=' + value + eol;
    }
}

// Windows reads a profile file saved as UTF-16 ("Unicode" in Notepad) too,
// as the single-byte text of its code page.
const QByteArray Utf16Mark("\xFF\xFE", 2);

QByteArray SingleByteText(const QByteArray& bytes) {
    if (!bytes.startsWith(Utf16Mark))
        return bytes;
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QStringEncoder ansi("windows-1251");
    return ansi(text);
}

} // namespace

QByteArray TIniFile::Load() const {
    if (Path.isEmpty())
        return {};
    const int fd = ::open(QFile::encodeName(Path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return {};
    const auto fail = [this](int error) {
        return EInOutError::Naming(
            QCoreApplication::translate("IniFile", "Cannot read %1").arg(Path).toStdString(),
            error);
    };
    if (fd < 0)
        throw fail(errno);
    QByteArray bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            const int error = got < 0 ? errno : 0;
            ::close(fd);
            if (error != 0)
                throw fail(error);
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

QByteArray TIniFile::ReadString(const QByteArray& section, const QByteArray& key,
                                const QByteArray& defaultValue) const {
    const QByteArray bytes = SingleByteText(Load());
    const Place place = Find(bytes, ProfileLines(bytes), section, key);
    return place.KeyLine >= 0 ? place.Value : defaultValue;
}

int32_t TIniFile::ReadInteger(const QByteArray& section, const QByteArray& key,
                              int32_t defaultValue) const {
    int32_t value = defaultValue;
    const QByteArray text = ReadString(section, key, QByteArray());
    return ParseInteger(text, value) ? value : defaultValue;
}

bool TIniFile::CanStore(const QByteArray& text) {
    return !text.contains('\r') && !text.contains('\n') && !text.contains('\0');
}

void TIniFile::WriteStrings(const QByteArray& section, const TIniValues& values) {
    // A line break would end the line early and add keys or sections of its own.
    for (const auto& [key, value] : values)
        if (!CanStore(section) || !CanStore(key) || !CanStore(value))
            throw Exception(
                QCoreApplication::translate(
                    "IniFile", "Cannot write %1 to %2: the value holds a line break or a NUL byte")
                    .arg(QString::fromLatin1(key), Path)
                    .toStdString());
    QByteArray bytes = Load();
    // Written back as single bytes, it would be another file to Windows.
    if (bytes.startsWith(Utf16Mark))
        throw Exception(
            QCoreApplication::translate(
                "IniFile", "Cannot write %1: it is UTF-16 text, which this program only reads")
                .arg(Path)
                .toStdString());
    for (const auto& [key, value] : values)
        Put(bytes, section, key, value);
    // The settings folder is made on first use.
    if (Path.isEmpty() || !QDir().mkpath(QFileInfo(Path).absolutePath()))
        throw EInOutError(Path.isEmpty() ? ENOENT : EACCES);
    ReplaceFileAtomically(Path, bytes);
}

void TIniFile::WriteString(const QByteArray& section, const QByteArray& key,
                           const QByteArray& value) {
    WriteStrings(section, {{key, value}});
}

void TIniFile::WriteInteger(const QByteArray& section, const QByteArray& key, int32_t value) {
    WriteString(section, key, QByteArray::number(value));
}
