// The sample disc that the demo and the end-to-end tests play.
#include "support/SampleDisc.h"

#include "catalog/CatalogRecord.h"
#include "platform/JpegImage.h"
#include "support/FileBytes.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

QString DiscFile(const QString& name) {
    // The disc's own spelling may differ in case, as on a real disc.
    const QString folder = SampleDisc().Folder;
    for (const QString& candidate :
         {name, name.section('/', 0, 0) + "/" + name.section('/', 1).toUpper(),
          name.section('/', 0, 0) + "/" + name.section('/', 1).toLower()})
        if (QFile::exists(folder + "/" + candidate))
            return folder + "/" + candidate;
    return {};
}

TEST(SampleDisc, CatalogDescribesGroupsSegmentsAndGaps) {
    const auto records = ReadCatalogFile(SampleDisc().Folder + "/Data/All.dat");
    ASSERT_GE(records.size(), 9u);
    std::set<int> groups;
    int segmentsOfOneFile = 0;
    int toTheEnd = 0;
    int missingVideo = 0;
    int missingPicture = 0;
    bool cyrillic = false;
    bool latin = false;
    for (const CatalogRecord& r : records) {
        groups.insert(r.GroupKey);
        const QString title = EntryTitle(r);
        cyrillic |= title.contains(QRegularExpression("[А-Яа-я]"));
        latin |= title.contains(QRegularExpression("^[A-Za-z ]+$"));
        const QString media = QString::fromLatin1(ShortString(r.MediaName));
        segmentsOfOneFile += media == "Clip01";
        toTheEnd += r.EndPos == 0.0;
        missingVideo += DiscFile("Video/" + media + ".AVI").isEmpty();
        missingPicture += DiscFile("Pic/" + media + ".jpg").isEmpty();
        EXPECT_TRUE(r.EndPos == 0.0 || r.EndPos > r.StartPos) << title.toStdString();
    }
    EXPECT_GE(groups.size(), 3u);
    EXPECT_EQ(segmentsOfOneFile, 3);
    EXPECT_GE(toTheEnd, 1);
    EXPECT_EQ(missingVideo, 1);
    EXPECT_EQ(missingPicture, 2) << "the missing video has no picture, and one entry lacks its own";
    EXPECT_TRUE(cyrillic);
    EXPECT_TRUE(latin);
}

TEST(SampleDisc, DescribesItsVolumeAndCarriesTheProgram) {
    const auto& disc = SampleDisc(2);
    QSettings setup(disc.Folder + "/setup.inf", QSettings::IniFormat);
    EXPECT_EQ(setup.value("Main/Volume").toInt(), 2);
    EXPECT_EQ(setup.value("Main/IniFileName").toString(), "QuorvixSample");
    EXPECT_TRUE(QFile::exists(disc.Folder + "/QUORVIX_PLAYER.EXE"));
    EXPECT_GT(QFileInfo(disc.Iso).size(), 1000000);
}

// Every file of the folder, by its path in it.
std::map<QString, QByteArray> FilesIn(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = ReadAll(path);
    }
    return files;
}

// The ISO images differ: genisoimage stamps them with the time they were made.
TEST(SampleDisc, TwoBuildsGiveTheSameFiles) {
    QTemporaryDir again;
    RunOrThrow(QV_MAKE_SAMPLE_DISC, {again.filePath("disc"), "--iso", again.filePath("disc.iso")});
    const auto first = FilesIn(SampleDisc().Folder);
    const auto second = FilesIn(again.filePath("disc"));
    ASSERT_GE(first.size(), 10u);
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.contains(name)) << name.toStdString();
        EXPECT_TRUE(second.at(name) == bytes) << name.toStdString() << " differs";
    }
    EXPECT_EQ(first.size(), second.size());
}

bool Zero(const uint8_t* bytes, size_t count) {
    return std::all_of(bytes, bytes + count, [](uint8_t b) { return b == 0; });
}

TEST(SampleDisc, RealDiscIsMadeAsDiscsForWindowsAre) {
    const SampleDiscFiles& disc = SampleDisc(1, SampleDiscKind::Real);
    const auto files = FilesIn(disc.Folder);
    const QRegularExpression shortName("^([A-Z0-9_]{1,8}/)?[A-Z0-9_]{1,8}(\\.[A-Z0-9_]{1,3})?$");
    for (const auto& [name, bytes] : files)
        EXPECT_TRUE(name == "QUORVIX_PLAYER.EXE" || shortName.match(name).hasMatch())
            << name.toStdString();
    ASSERT_TRUE(files.contains("SETUP.INF"));
    EXPECT_TRUE(
        files.at("SETUP.INF")
            .endsWith("\r\nIniFileName=\"" + QStringToAnsi(disc.IniFileName) + "\"\r\n\x1a"))
        << "quoted, with a DOS end mark";
    EXPECT_EQ(disc.IniFileName, QStringLiteral("Клипы"));

    const auto records = ReadCatalogFile(disc.Folder + "/DATA/ALL.DAT");
    ASSERT_GE(records.size(), 3u);
    std::vector<size_t> missing;
    for (size_t i = 0; i < records.size(); ++i) {
        const CatalogRecord& r = records[i];
        if (!files.contains("VIDEO/" + QString::fromLatin1(ShortString(r.MediaName)).toUpper() +
                            ".AVI"))
            missing.push_back(i);
        for (const auto* field : {&r.GroupName, &r.Title, &r.MediaName})
            EXPECT_FALSE(Zero(*field + 1 + (*field)[0], sizeof *field - 1 - (*field)[0]))
                << "a text's unused bytes are left as a tool leaves them";
        EXPECT_FALSE(Zero(r.Reserved, sizeof r.Reserved));
    }
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_GT(missing[0], 0u) << "in the middle of the order";
    EXPECT_LT(missing[0], records.size() - 1);
    EXPECT_EQ(EntryTitle(records[0]), QStringLiteral("Водопад, часть 1"));

    int cmyk = 0, progressive = 0;
    for (const auto& [name, bytes] : files) {
        if (!name.startsWith("PIC/"))
            continue;
        cmyk += bytes.contains("\xFF\xEE\x00\x0E"
                               "Adobe");
        progressive += bytes.contains("\xFF\xC2");
        EXPECT_NO_THROW(DecodeJpeg(bytes, name)) << name.toStdString();
    }
    EXPECT_EQ(cmyk, 1);
    EXPECT_EQ(progressive, 1);
}

} // namespace
