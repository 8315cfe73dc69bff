#pragma once
// The catalog as UTF-8 tab-separated text, for editing by hand: one line per
// record under a header, and back. Text and back gives the same bytes.

#include "catalog/CatalogRecord.h"

#include <QByteArray>

#include <stdexcept>
#include <vector>

// Text that cannot become a catalog; the message names the line.
class TCatalogTextError : public std::runtime_error {
public:
    TCatalogTextError(int line, const QString& what);
};

extern const char* const CatalogTsvHeader;

QByteArray CatalogToTsv(const std::vector<CatalogRecord>& records);
// Throws TCatalogTextError for text that does not fit the file's fields, for
// no record, and for more records than the player reads.
std::vector<CatalogRecord> CatalogFromTsv(const QByteArray& text);
