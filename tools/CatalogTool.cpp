#include "tools/CatalogTool.h"

#include "catalog/CatalogRecord.h"
#include "media/MediaProbe.h"
#include "tools/CatalogTsv.h"
#include "tools/DiscCheck.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

constexpr int Failed = 1;
constexpr int Misused = 2;

const char* const Usage = "usage: quorvix-catalog dump ALL.DAT > CATALOG.TSV\n"
                          "       quorvix-catalog build CATALOG.TSV ALL.DAT\n"
                          "       quorvix-catalog check DISC_FOLDER\n";

std::ostream& operator<<(std::ostream& stream, const QString& text) {
    return stream << text.toStdString();
}

// Runs an operation on a file; its failure names the file.
template <typename Operation> auto OnFile(const QString& path, Operation operation) {
    try {
        return operation();
    } catch (const std::exception& error) {
        throw std::runtime_error(path.toStdString() + ": " + error.what());
    }
}

int Dump(const QString& path, std::ostream& out, std::ostream& err) {
    const QByteArray text = CatalogToTsv(OnFile(path, [&] { return ReadCatalogFile(path); }));
    out.write(text.constData(), text.size());
    const qint64 rest = QFileInfo(path).size() % static_cast<qint64>(sizeof(CatalogRecord));
    if (rest != 0)
        err << path << ": the last " << rest
            << " bytes are no whole record; the program ignores them, and so does the dump\n";
    return 0;
}

int Build(const QString& tsvPath, const QString& catalogPath, std::ostream& out) {
    const std::vector<CatalogRecord> records = OnFile(tsvPath, [&] {
        QFile tsv(tsvPath);
        if (!tsv.open(QIODevice::ReadOnly))
            throw std::runtime_error(tsv.errorString().toStdString());
        return CatalogFromTsv(tsv.readAll());
    });
    OnFile(catalogPath, [&] { WriteCatalogFile(catalogPath, records); });
    out << records.size() << " records written to " << catalogPath << "\n";
    return 0;
}

int Check(const QString& root, std::ostream& out) {
    int errors = 0;
    int warnings = 0;
    const auto findings = OnFile(root, [&] { return CheckDisc(root, MediaFileDuration); });
    for (const TDiscFinding& finding : findings) {
        out << (finding.Error ? "error: " : "warning: ") << finding.Text << "\n";
        ++(finding.Error ? errors : warnings);
    }
    out << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning\n" : " warnings\n");
    return errors == 0 ? 0 : Failed;
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString command = arguments.value(0);
    try {
        if (command == QLatin1String("dump") && arguments.size() == 2)
            return Dump(arguments[1], out, err);
        if (command == QLatin1String("build") && arguments.size() == 3)
            return Build(arguments[1], arguments[2], out);
        if (command == QLatin1String("check") && arguments.size() == 2)
            return Check(arguments[1], out);
    } catch (const std::exception& error) {
        err << "quorvix-catalog: " << error.what() << "\n";
        return Failed;
    }
    err << Usage;
    return Misused;
}

} // namespace

int RunCatalogTool(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(arguments, out, err);
    // Output lost to a full disk or a failing device is a failure too.
    if (!out.flush()) {
        err << "quorvix-catalog: the output could not be written\n";
        return Failed;
    }
    return status;
}
