// The sample disc that the demo and the end-to-end tests play.
#include "support/SampleDisc.h"

#include "catalog/CatalogRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

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
        const QString title = AnsiToQString(ShortString(r.Title));
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

} // namespace
