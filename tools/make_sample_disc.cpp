// Writes a small program disc for demos and tests: setup.inf, the catalog,
// generated clips and pictures, the program's name in the root, and an ISO
// image of it all. Two builds give the same files.
//   make_sample_disc <outdir> [--volume N] [--iso path] [--kind sample|real]
// The real kind is made as discs made for Windows are: upper-case 8.3 names
// on an ISO 9660 image with Joliet names, a Windows-1251 settings name, CMYK
// and progressive pictures, and record bytes the program never reads left as
// the authoring tool left them.
#include "catalog/CatalogRecord.h"
#include "platform/JpegImage.h"

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

enum class TDiscKind { Sample, Real };

enum class TPicture { None, Plain, Cmyk, Progressive };

struct Clip {
    const char* name;   // file base name on the disc
    const char* source; // lavfi video source, with options beyond size and rate
    const char* size;
    int seconds;
    TPicture picture;     // on the sample disc
    TPicture realPicture; // on the real one
};

// Clip06 stays unmade: its entry stands for a missing video file.
const Clip Clips[] = {
    {"CLIP01", "testsrc", "320x240", 60, TPicture::Plain, TPicture::Cmyk},
    {"CLIP02", "smptebars", "640x480", 8, TPicture::Plain, TPicture::Progressive},
    {"CLIP03", "testsrc2", "320x240", 6, TPicture::Plain, TPicture::None},
    {"CLIP04", "rgbtestsrc", "640x480", 10, TPicture::Plain, TPicture::Plain},
    {"CLIP05", "mandelbrot", "320x240", 10, TPicture::None, TPicture::None},
    {"CLIP07", "cellauto=seed=7", "320x240", 4, TPicture::Plain, TPicture::Plain},
};

// Where each kind keeps its files.
struct TDiscLayout {
    bool UpperCase; // every name; else the pictures' names are lower-case
    QString SetupInf, Catalog, Video, Pic;
    QByteArray IniFileName; // as setup.inf holds it
    bool WindowsTool;       // setup.inf as Windows tools leave it: quoted, a DOS end mark
    TPicture Clip::*Picture;
    QStringList IsoOptions;
};

TDiscLayout Layout(TDiscKind kind) {
    if (kind == TDiscKind::Real)
        return {.UpperCase = true,
                .SetupInf = "SETUP.INF",
                .Catalog = "DATA/ALL.DAT",
                .Video = "VIDEO",
                .Pic = "PIC",
                .IniFileName = QStringToAnsi("Клипы"),
                .WindowsTool = true,
                .Picture = &Clip::realPicture,
                .IsoOptions = {"-J"}};
    return {.UpperCase = false,
            .SetupInf = "setup.inf",
            .Catalog = "Data/All.dat",
            .Video = "Video",
            .Pic = "Pic",
            .IniFileName = "QuorvixSample",
            .WindowsTool = false,
            .Picture = &Clip::picture,
            .IsoOptions = {"-J", "-R"}};
}

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

QString PictureFile(const Clip& clip, const QString& disc, const TDiscLayout& layout) {
    const QString name = QString(clip.name);
    return disc + "/" + layout.Pic + "/" +
           (layout.UpperCase ? name + ".JPG" : name.toLower() + ".jpg");
}

QStringList EncoderArguments(const Clip& clip, const QString& disc, const TDiscLayout& layout) {
    const QString seconds = QString::number(clip.seconds);
    const QString source = QString(clip.source);
    const QString options = source.contains('=') ? ":" : "=";
    QStringList args{"-v",
                     "error",
                     "-nostdin",
                     "-y",
                     "-t",
                     seconds,
                     "-f",
                     "lavfi",
                     "-i",
                     source + options + QString("size=%1:rate=12").arg(clip.size),
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
                     disc + "/" + layout.Video + "/" + clip.name + ".AVI"};
    if (clip.*layout.Picture != TPicture::None)
        args << "-map"
             << "0:v"
             << "-frames:v"
             << "1"
             << "-update"
             << "1" << PictureFile(clip, disc, layout);
    return args;
}

// The encoder's picture again, as print tools or web authoring tools write it.
void Rewrite(const QString& path, TPicture kind) {
    if (kind != TPicture::Cmyk && kind != TPicture::Progressive)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail("cannot read " + path + ": " + file.errorString());
    const QImage picture = DecodeJpeg(file.readAll(), path).Image;
    file.close();
    WriteFile(path, EncodeJpeg(picture, {.Progressive = kind == TPicture::Progressive,
                                         .Cmyk = kind == TPicture::Cmyk}));
}

void Run(QProcess& process) {
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        Fail(process.program() + " failed: " + process.errorString() + "\n" +
             QString::fromLocal8Bit(process.readAllStandardError()));
}

void MakeClips(const QString& disc, const TDiscLayout& layout) {
    std::vector<std::unique_ptr<QProcess>> running;
    for (const Clip& clip : Clips) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start("ffmpeg", EncoderArguments(clip, disc, layout));
    }
    for (auto& process : running)
        Run(*process);
    for (const Clip& clip : Clips)
        Rewrite(PictureFile(clip, disc, layout), clip.*layout.Picture);
}

// What an authoring tool leaves past a short string's text: the rest of
// whatever the field held before.
void FillLikeATool(uint8_t (&field)[256], size_t record) {
    const std::string earlier = "Untitled " + std::to_string(record) + " ";
    for (size_t i = 0; i < sizeof field; ++i)
        field[i] = static_cast<uint8_t>(earlier[i % earlier.size()]);
}

std::vector<CatalogRecord> MakeCatalog(TDiscKind kind) {
    std::vector<CatalogRecord> records;
    for (const Entry& entry : Entries) {
        CatalogRecord r{};
        // Bytes no reader interprets, yet every writer must keep.
        for (size_t i = 0; i < sizeof r.Reserved; ++i)
            r.Reserved[i] = static_cast<uint8_t>(i * 31 + records.size());
        if (kind == TDiscKind::Real) {
            for (auto* field : {&r.GroupName, &r.Title, &r.MediaName})
                FillLikeATool(*field, records.size());
            r.EntryIndex = 0xCC; // the load numbers records itself
        }
        r.GroupKey = entry.groupKey;
        SetShortString(r.GroupName,
                       QStringToAnsi(QString::fromUtf8(entry.groupName)).toStdString());
        SetShortString(r.Title, QStringToAnsi(QString::fromUtf8(entry.title)).toStdString());
        SetShortString(r.MediaName, entry.mediaName);
        r.StartPos = entry.startPos;
        r.EndPos = entry.endPos;
        records.push_back(r);
    }
    return records;
}

void MakeDisc(const QString& disc, int volume, const QString& iso, TDiscKind kind) {
    const TDiscLayout layout = Layout(kind);
    const QString data = layout.Catalog.section('/', 0, 0);
    for (const QString& folder : {data, layout.Video, layout.Pic})
        if (!QDir().mkpath(disc + "/" + folder))
            Fail("cannot create " + disc + "/" + folder);
    const QByteArray quote = layout.WindowsTool ? "\"" : "";
    WriteFile(disc + "/" + layout.SetupInf,
              "[Main]\r\nVolume=" + quote + QByteArray::number(volume) + quote +
                  "\r\nIniFileName=" + quote + layout.IniFileName + quote + "\r\n" +
                  (layout.WindowsTool ? "\x1a" : ""));
    WriteFile(disc + "/QUORVIX_PLAYER.EXE", "MZ");
    WriteCatalogFile(disc + "/" + layout.Catalog, MakeCatalog(kind));
    MakeClips(disc, layout);
    QProcess genisoimage;
    genisoimage.start("genisoimage",
                      QStringList{"-quiet"} + layout.IsoOptions +
                          QStringList{"-V", QString("QUORVIX_%1").arg(volume), "-o", iso, disc});
    Run(genisoimage);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString disc;
    QString iso;
    int volume = 1;
    QString kind = "sample";
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--volume" && i + 1 < args.size())
            volume = args[++i].toInt();
        else if (args[i] == "--iso" && i + 1 < args.size())
            iso = args[++i];
        else if (args[i] == "--kind" && i + 1 < args.size())
            kind = args[++i];
        else if (disc.isEmpty() && !args[i].startsWith("--"))
            disc = args[i];
        else
            disc.clear(), args.clear();
    }
    if (disc.isEmpty() || volume <= 0 || (kind != "sample" && kind != "real")) {
        std::fprintf(stderr, "usage: make_sample_disc <outdir> [--volume N] [--iso path] "
                             "[--kind sample|real]\n");
        return 2;
    }
    disc = QDir(disc).absolutePath();
    if (iso.isEmpty())
        iso = disc + ".iso";
    try {
        MakeDisc(disc, volume, iso, kind == "real" ? TDiscKind::Real : TDiscKind::Sample);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_disc: %s\n", e.what());
        return 1;
    }
    return 0;
}
