#pragma once
// The disc image, made as discs for Windows are (ISO 9660 with Joliet names,
// upper-case names, the program's marker, a volume label) by genisoimage in
// a process of its own, then checked the way the player meets it.

#include "catalog/CatalogRecord.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTemporaryDir;
class TDiscProject;

// Mounts the image read-only through the program's own image mount, loads
// its catalog and resolves every entry's files through the player's lookup;
// what fails, each named. With expected records, the catalog must hold
// exactly them; pictures names disc files ("Pic\CLIP01.jpg") that must be there.
QStringList VerifyImage(const QString& image, const std::vector<CatalogRecord>* expected = nullptr,
                        const QStringList& pictures = {});

// genisoimage's arguments for the files of a project staged in a folder.
QStringList ImageToolArguments(const TDiscProject& project, const QString& staging,
                               const QString& image);

class TImageBuild : public QObject {
    Q_OBJECT
public:
    explicit TImageBuild(QObject* parent = nullptr);
    ~TImageBuild() override; // a build still running is stopped

    // Builds the project as it stands now; the image appears at its path only
    // when complete. Throws Exception when it cannot start.
    void Start(const TDiscProject& project, const QString& image);
    bool IsRunning() const;
    void Cancel();
    // After Finished: what failed, in the build or in the check of the image.
    QStringList Failures() const { return Problems; }
    // How long genisoimage itself ran, in milliseconds.
    qint64 ToolMilliseconds() const { return ToolTime; }

signals:
    void Progress(double percent);
    void Finished(bool ok);

private:
    void ReadProgress();
    void ToolFinished(int code, QProcess::ExitStatus status);
    void Fail(const QString& text);

    std::unique_ptr<QProcess> Tool;
    std::unique_ptr<QTemporaryDir> Staging;
    std::vector<CatalogRecord> Expected;
    QStringList ExpectedPictures;
    QString Target;
    QString Partial;
    QByteArray Pending; // the tool's error output not yet read as lines
    QStringList ToolSaid;
    QStringList Problems;
    QElapsedTimer Clock;
    qint64 ToolTime = 0;
};
