#include "catalog/PlayListFile.h"

#include "platform/Exceptions.h"
#include "platform/ReplaceFile.h"
#include "platform/TextLines.h"
#include "shell/StrBox.h"

#include <QCoreApplication>
#include <QFile>

#include <charconv>

std::vector<std::string> ReadPlayListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QCoreApplication::translate("PlayListFile", "Cannot open file %1")
                            .arg(path)
                            .toStdString());
    const QByteArray bytes = file.readAll();
    std::vector<std::string> lines;
    for (const TTextLine& line : SplitLines(bytes))
        lines.emplace_back(bytes.constData() + line.Begin,
                           static_cast<size_t>(line.End - line.Begin));
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

std::optional<TPlayListLine> ParsePlayListLine(const std::string& line) {
    constexpr unsigned char Separator = 0xA4;
    const std::string number = TextAfterLastSeparator(line, Separator);
    int32_t entry = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, entry);
    if (number.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return TPlayListLine{TextBeforeSeparator(line, Separator) == "1", entry};
}
