#pragma once
// Single-byte text split into lines that end at CR, at LF or at CR LF.

#include <QByteArray>

#include <vector>

struct TTextLine {
    qsizetype Begin; // first byte of the text
    qsizetype End;   // one past the text, before the line end
    qsizetype Next;  // first byte of the next line
};

std::vector<TTextLine> SplitLines(const QByteArray& bytes);
