#pragma once
// Profile (INI) files read and written the way the desktop's profile functions
// treat them: sections and keys match case-insensitively, values are bytes.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// Keys and their values, written together.
using TIniValues = std::vector<std::pair<QByteArray, QByteArray>>;

class TIniFile {
public:
    explicit TIniFile(QString path) : Path(std::move(path)) {}

    const QString& FileName() const { return Path; }
    // A missing file reads as empty. Any other failure to read throws
    // EInOutError naming the file, so that no write takes an unreadable file
    // for an empty one. As files made for Windows are read: surrounding white
    // space (Ctrl-Z among it) and one pair of matching quotes are no part of a
    // value, and a NUL ends it like a line break; a file that starts with the
    // UTF-16LE mark reads as its Windows-1251 text. An absent key reads as
    // defaultValue.
    QByteArray ReadString(const QByteArray& section, const QByteArray& key,
                          const QByteArray& defaultValue) const;
    // An absent key, or one whose text is no integer, reads as defaultValue.
    int32_t ReadInteger(const QByteArray& section, const QByteArray& key,
                        int32_t defaultValue) const;
    // Whether a section, key or value fits on one line: no CR, LF or NUL.
    static bool CanStore(const QByteArray& text);
    // Changes only these keys, adding section and keys when absent; every
    // other byte of the file stays as it was. The file is replaced atomically,
    // once for all the keys. Throws Exception, writing nothing, for text that
    // CanStore refuses, a UTF-16 file or a file that cannot be read.
    void WriteStrings(const QByteArray& section, const TIniValues& values);
    void WriteString(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void WriteInteger(const QByteArray& section, const QByteArray& key, int32_t value);

private:
    QByteArray Load() const;
    QString Path;
};
