#pragma once
// Profile (INI) files read and written the way the desktop's profile functions
// treat them: sections and keys match case-insensitively, values are bytes.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>

class TIniFile {
public:
    explicit TIniFile(QString path) : Path(std::move(path)) {}

    const QString& FileName() const { return Path; }
    // Surrounding spaces are trimmed; an absent key reads as defaultValue.
    QByteArray ReadString(const QByteArray& section, const QByteArray& key,
                          const QByteArray& defaultValue) const;
    // An absent key, or one whose text is no integer, reads as defaultValue.
    int32_t ReadInteger(const QByteArray& section, const QByteArray& key,
                        int32_t defaultValue) const;
    // Whether a section, key or value fits on one line: no CR, LF or NUL.
    static bool CanStore(const QByteArray& text);
    // Changes only this key, adding section and key when absent; every other
    // byte of the file stays as it was. The file is replaced atomically.
    // Throws Exception, writing nothing, for text that CanStore refuses.
    void WriteString(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void WriteInteger(const QByteArray& section, const QByteArray& key, int32_t value);

private:
    QByteArray Load() const;
    QString Path;
};
