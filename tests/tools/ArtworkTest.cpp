// The committed skin art is what the artwork tool draws: a change to the
// drawing that is not committed with the art shows here.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ArtworkTest, TheToolDrawsTheCommittedArt) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess tool;
    tool.start(QV_MAKE_ARTWORK, {out.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(QV_SOURCE_DIR "/skin/art"));
    const QStringList names = committed.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name), names);
    for (const QString& name : names) {
        const QString drawn = out.filePath(name);
        if (name.endsWith(QLatin1String(".png"))) {
            // Pixels, not bytes: another zlib may pack the same picture otherwise.
            const QImage want(committed.filePath(name));
            const QImage got(drawn);
            ASSERT_FALSE(want.isNull()) << name.toStdString();
            EXPECT_EQ(got.convertToFormat(QImage::Format_ARGB32),
                      want.convertToFormat(QImage::Format_ARGB32))
                << name.toStdString() << " differs from what the tool draws";
        } else {
            EXPECT_EQ(Bytes(drawn), Bytes(committed.filePath(name))) << name.toStdString();
        }
    }
}

} // namespace
