// Writes a small program disc for demos and tests: setup.inf, the catalog,
// generated clips and pictures, the program's name in the root, and an ISO
// image of it all.
//   make_sample_disc <outdir> [--volume N] [--iso path]
#include "catalog/CatalogRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct Clip {
    const char* name;   // file base name on the disc
    const char* source; // lavfi video source
    const char* size;
    int seconds;
    bool picture;
};

// Clip06 stays unmade: its entry stands for a missing video file.
const Clip Clips[] = {
    {"CLIP01", "testsrc", "320x240", 60, true},     {"CLIP02", "smptebars", "640x480", 8, true},
    {"CLIP03", "testsrc2", "320x240", 6, true},     {"CLIP04", "rgbtestsrc", "640x480", 10, true},
    {"CLIP05", "mandelbrot", "320x240", 10, false}, {"CLIP07", "cellauto", "320x240", 4, true},
};

struct Entry {
    uint8_t groupKey;
    const char* groupName; // UTF-8 here, Windows-1251 in the file
    const char* title;
    const char* mediaName;
    double startPos;
    double endPos;
};

const Entry Entries[] = {
    {1, "Природа", "Водопад, часть 1", "Clip01", 0.0, 20.0},
    {1, "Природа", "Водопад, часть 2", "Clip01", 20.0, 40.0},
    {1, "Природа", "Водопад, часть 3", "Clip01", 40.0, 0.0},
    {1, "Природа", "Горы", "clip03", 1.0, 5.0},
    {2, "City lights", "Street at night", "Clip02", 0.0, 0.0},
    {2, "City lights", "Потерянный клип", "Clip06", 0.0, 0.0},
    {2, "City lights", "Bridge over the river", "CLIP04", 2.0, 8.0},
    {3, "Музыка / Music", "Без картинки", "Clip05", 0.0, 0.0},
    {3, "Музыка / Music", "Mixed текст ¤ 42", "clip07", 0.5, 3.5},
};

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        Fail("cannot write " + path + ": " + file.errorString());
}

QStringList EncoderArguments(const Clip& clip, const QString& disc) {
    const QString seconds = QString::number(clip.seconds);
    QStringList args{"-v",
                     "error",
                     "-nostdin",
                     "-y",
                     "-t",
                     seconds,
                     "-f",
                     "lavfi",
                     "-i",
                     QString("%1=size=%2:rate=12").arg(clip.source, clip.size),
                     "-t",
                     seconds,
                     "-f",
                     "lavfi",
                     "-i",
                     "sine=frequency=440:sample_rate=22050",
                     "-map",
                     "0:v",
                     "-map",
                     "1:a",
                     "-c:v",
                     "mpeg4",
                     "-vtag",
                     "DIVX",
                     "-q:v",
                     "12",
                     "-c:a",
                     "libmp3lame",
                     "-b:a",
                     "32k",
                     "-ac",
                     "1",
                     "-threads",
                     "1",
                     disc + "/Video/" + clip.name + ".AVI"};
    if (clip.picture)
        args << "-map"
             << "0:v"
             << "-frames:v"
             << "1"
             << "-update"
             << "1" << disc + "/Pic/" + QString(clip.name).toLower() + ".jpg";
    return args;
}

void Run(QProcess& process) {
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        Fail(process.program() + " failed: " + process.errorString() + "\n" +
             QString::fromLocal8Bit(process.readAllStandardError()));
}

void MakeClips(const QString& disc) {
    std::vector<std::unique_ptr<QProcess>> running;
    for (const Clip& clip : Clips) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start("ffmpeg", EncoderArguments(clip, disc));
    }
    for (auto& process : running)
        Run(*process);
}

std::vector<CatalogRecord> MakeCatalog() {
    std::vector<CatalogRecord> records;
    for (const Entry& entry : Entries) {
        CatalogRecord r;
        // Bytes no reader interprets, yet every writer must keep.
        for (size_t i = 0; i < sizeof r.Reserved; ++i)
            r.Reserved[i] = static_cast<uint8_t>(i * 31 + records.size());
        r.GroupKey = entry.groupKey;
        SetShortString(r.GroupName,
                       QStringToAnsi(QString::fromUtf8(entry.groupName)).toStdString());
        r.EntryIndex = 0;
        SetShortString(r.Title, QStringToAnsi(QString::fromUtf8(entry.title)).toStdString());
        SetShortString(r.MediaName, entry.mediaName);
        r.StartPos = entry.startPos;
        r.EndPos = entry.endPos;
        records.push_back(r);
    }
    return records;
}

void MakeDisc(const QString& disc, int volume, const QString& iso) {
    for (const char* folder : {"Data", "Video", "Pic"})
        if (!QDir().mkpath(disc + "/" + folder))
            Fail("cannot create " + disc + "/" + folder);
    WriteFile(
        disc + "/setup.inf",
        QString("[Main]\r\nVolume=%1\r\nIniFileName=QuorvixSample\r\n").arg(volume).toLatin1());
    WriteFile(disc + "/QUORVIX_PLAYER.EXE", "MZ");
    WriteCatalogFile(disc + "/Data/All.dat", MakeCatalog());
    MakeClips(disc);
    QProcess genisoimage;
    genisoimage.start("genisoimage", {"-quiet", "-J", "-R", "-V", QString("QUORVIX_%1").arg(volume),
                                      "-o", iso, disc});
    Run(genisoimage);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString disc;
    QString iso;
    int volume = 1;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--volume" && i + 1 < args.size())
            volume = args[++i].toInt();
        else if (args[i] == "--iso" && i + 1 < args.size())
            iso = args[++i];
        else if (disc.isEmpty() && !args[i].startsWith("--"))
            disc = args[i];
        else
            disc.clear(), args.clear();
    }
    if (disc.isEmpty() || volume <= 0) {
        std::fprintf(stderr, "usage: make_sample_disc <outdir> [--volume N] [--iso path]\n");
        return 2;
    }
    disc = QDir(disc).absolutePath();
    if (iso.isEmpty())
        iso = disc + ".iso";
    try {
        MakeDisc(disc, volume, iso);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_disc: %s\n", e.what());
        return 1;
    }
    return 0;
}
