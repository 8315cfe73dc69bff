#include "shell/PlayListFile.h"

#include "platform/ReplaceFile.h"
#include "shell/Exceptions.h"

#include <QFile>

std::vector<std::string> ReadPlayListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception("Cannot open file " + path.toStdString());
    const QByteArray bytes = file.readAll();
    std::vector<std::string> lines;
    qsizetype begin = 0;
    const qsizetype size = bytes.size();
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.emplace_back(bytes.constData() + begin, static_cast<size_t>(end - begin));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        begin = end + 1;
    }
    return lines;
}

void WritePlayListFile(const QString& path, const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n");
    }
    ReplaceFileAtomically(path, bytes);
}
