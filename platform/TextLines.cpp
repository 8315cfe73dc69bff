#include "platform/TextLines.h"

std::vector<TTextLine> SplitLines(const QByteArray& bytes) {
    std::vector<TTextLine> lines;
    qsizetype begin = 0;
    const qsizetype size = bytes.size();
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && bytes[next] == '\r')
            ++next;
        if (next < size && bytes[next] == '\n' && (next == end || bytes[next - 1] == '\r'))
            ++next;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}
