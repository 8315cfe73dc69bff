#include "support/FileBytes.h"

#include "catalog/CatalogRecord.h"

#include "platform/Exceptions.h"
#include "shell/Pathes.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QStringDecoder>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>

namespace {

CatalogRecord MakeRecord(int i) {
    CatalogRecord r;
    for (size_t b = 0; b < sizeof r; ++b)
        reinterpret_cast<uint8_t*>(&r)[b] = static_cast<uint8_t>(b * 7 + i * 13);
    r.GroupKey = static_cast<uint8_t>(i / 4);
    SetShortString(r.Title, "Title " + std::to_string(i));
    r.StartPos = i * 1.5;
    r.EndPos = i % 2 ? 0.0 : i * 2.25;
    return r;
}

std::vector<CatalogRecord> MakeRecords(int n) {
    std::vector<CatalogRecord> records;
    for (int i = 0; i < n; ++i)
        records.push_back(MakeRecord(i));
    return records;
}

std::string ErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "no error";
}

class CatalogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        SetProgramFolderForTesting(Temp.path());
        SetMountInfoPathForTesting(Temp.filePath("no-mounts"));
        Catalog.clear();
        CatalogLoaded = false;
        CurrentIndex = -1;
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        SetMountInfoPathForTesting({});
    }
    QString CatalogPath() const { return Temp.filePath("Data/All.dat"); }

    QTemporaryDir Temp;
};

TEST_F(CatalogFileTest, RecordFieldsSitAtTheirOffsets) {
    EXPECT_EQ(offsetof(CatalogRecord, EntryIndex), 257u);
    EXPECT_EQ(offsetof(CatalogRecord, Title), 258u);
    EXPECT_EQ(offsetof(CatalogRecord, MediaName), 514u);
    EXPECT_EQ(offsetof(CatalogRecord, Reserved), 770u);
    EXPECT_EQ(offsetof(CatalogRecord, StartPos), 1284u);
    EXPECT_EQ(offsetof(CatalogRecord, EndPos), 1292u);
}

TEST_F(CatalogFileTest, ShortStringsKeepLengthAndIgnoreTheRest) {
    CatalogRecord r = MakeRecord(3);
    SetShortString(r.MediaName, "clip01");
    EXPECT_EQ(ShortString(r.MediaName), "clip01");
    EXPECT_EQ(r.MediaName[0], 6);
    SetShortString(r.MediaName, std::string(300, 'x'));
    EXPECT_EQ(ShortString(r.MediaName), std::string(255, 'x'));
    SetShortString(r.MediaName, "");
    EXPECT_EQ(ShortString(r.MediaName), "");
}

TEST_F(CatalogFileTest, AnsiTextIsWindows1251) {
    const std::string ansi = "\xCF\xF0\xE8\xE2\xE5\xF2 A"; // "Привет A"
    EXPECT_EQ(AnsiToQString(ansi), QString::fromUtf8("Привет A"));
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("Привет A")).toStdString(), ansi);
    EXPECT_EQ(AnsiToQString("\xA4"), QString(QChar(0xA4)));
    EXPECT_EQ(AnsiToQString(std::string("a\0b", 3)).size(), 3);
}

// Every byte reads as the system's own Windows-1251 converter reads it, and
// writes back to itself; what the code page lacks is one substitute byte.
TEST_F(CatalogFileTest, AnsiTextAgreesWithTheSystemConverter) {
    QStringDecoder system("windows-1251");
    ASSERT_TRUE(system.isValid());
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QString text = AnsiToQString(byte);
        EXPECT_EQ(text, system.decode(QByteArray::fromStdString(byte))) << b;
        EXPECT_EQ(QStringToAnsi(text).toStdString(), byte) << b;
    }
    const QString lacking = QString::fromUtf8("a€中😀z") + QChar(0xD800) + QString::fromUtf8("Ж");
    EXPECT_EQ(QStringToAnsi(lacking), QByteArray("a\x88\x1A\x1Az\x1A\xC6"));
}

TEST_F(CatalogFileTest, LoadIgnoresTrailingBytesAndRewritesEntryIndex) {
    auto records = MakeRecords(3);
    for (auto& r : records)
        r.EntryIndex = 200;
    WriteAll(CatalogPath(), Bytes(records) + QByteArray(700, 'z'));
    LoadCatalog();
    ASSERT_EQ(Catalog.size(), 3u);
    EXPECT_TRUE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Catalog[i].EntryIndex, i);
        records[i].EntryIndex = static_cast<uint8_t>(i);
        EXPECT_EQ(std::memcmp(&Catalog[i], &records[i], sizeof(CatalogRecord)), 0) << i;
    }
}

TEST_F(CatalogFileTest, EntryIndexWrapsAfter256Records) {
    WriteAll(CatalogPath(), Bytes(MakeRecords(300)));
    LoadCatalog();
    ASSERT_EQ(Catalog.size(), 300u);
    EXPECT_EQ(Catalog[255].EntryIndex, 255);
    EXPECT_EQ(Catalog[256].EntryIndex, 0);
    EXPECT_EQ(Catalog[299].EntryIndex, 43);
}

TEST_F(CatalogFileTest, EmptyShortOrMissingFileLoadsNothing) {
    Catalog = MakeRecords(2);
    CurrentIndex = 1;
    CatalogLoaded = true;
    LoadCatalog();
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, -1);
    EXPECT_EQ(Catalog.size(), 2u) << "a missing file leaves the table as it was";

    WriteAll(CatalogPath(), QByteArray(1299, 'x'));
    LoadCatalog();
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, -1);
    EXPECT_TRUE(Catalog.empty());
}

TEST_F(CatalogFileTest, ReadFailuresCarryTheSystemText) {
    EXPECT_EQ(ErrorText([&] { ReadCatalogFile(Temp.filePath("none.dat")); }), "File not found");
    QDir().mkpath(Temp.filePath("folder.dat"));
    EXPECT_EQ(ErrorText([&] { ReadCatalogFile(Temp.filePath("folder.dat")); }),
              "File access denied");
    // A catalog whose file is a folder fails the load and marks nothing loaded.
    QDir().mkpath(CatalogPath());
    Catalog = MakeRecords(1);
    CatalogLoaded = true;
    CurrentIndex = 0;
    EXPECT_EQ(ErrorText([] { LoadCatalog(); }), "no error") << "a folder is not found as a file";
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, -1);
}

TEST_F(CatalogFileTest, OversizedCatalogIsRefusedBeforeItIsRead) {
    const qint64 bound = qint64(MaxCatalogRecords) * qint64(sizeof(CatalogRecord));
    QFile file(CatalogPath());
    QDir().mkpath(QFileInfo(CatalogPath()).path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(bound + 1299)); // sparse: the trailing part is ignored
    file.close();
    EXPECT_EQ(ReadCatalogFile(CatalogPath()).size(), MaxCatalogRecords);

    ASSERT_TRUE(file.resize(bound + qint64(sizeof(CatalogRecord))));
    Catalog = MakeRecords(1);
    CatalogLoaded = true;
    CurrentIndex = 0;
    try {
        LoadCatalog();
        FAIL() << "an oversized catalog was read";
    } catch (const Exception& error) {
        EXPECT_NE(std::string(error.what()).find(CatalogPath().toStdString()), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, -1);
}

// Real errors of a file system that fails on purpose, which root gets too.
TEST_F(CatalogFileTest, UnreadableAndDamagedFilesFailWithTheSystemText) {
    QV_REQUIRE(FailingFileSystemUnavailableReason());
#ifdef QV_FAILING_FS
    FailingFileSystemMount failing;
    for (const auto& [folder, text] :
         {std::pair{"/Locked", "File access denied"}, std::pair{"", "I/O error 5"}}) {
        SCOPED_TRACE(text);
        SetProgramFolderForTesting(failing.MountPoint() + folder);
        Catalog = MakeRecords(1);
        CatalogLoaded = true;
        CurrentIndex = 0;
        EXPECT_EQ(ErrorText([] { LoadCatalog(); }), text);
        EXPECT_FALSE(CatalogLoaded);
        EXPECT_EQ(CurrentIndex, -1);
    }
#endif
}

TEST_F(CatalogFileTest, SaveRoundTripsByteForByte) {
    WriteAll(CatalogPath(), Bytes(MakeRecords(5)) + "tail");
    LoadCatalog();
    Catalog[2].EndPos = 42.5;
    WriteCatalogFile(ProgramCatalogPath(), Catalog);
    const QByteArray saved = ReadAll(CatalogPath());
    ASSERT_EQ(saved.size(), 5 * 1300);
    EXPECT_EQ(saved, Bytes(Catalog));
    auto expected = MakeRecords(5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(std::memcmp(saved.constData() + i * 1300 + 770, expected[i].Reserved, 514), 0);
        EXPECT_EQ(static_cast<uint8_t>(saved[i * 1300 + 257]), i);
    }
    EXPECT_EQ(QDir(Temp.filePath("Data")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"All.dat"})
        << "no temporary file is left behind";
    EXPECT_EQ(ReadCatalogFile(CatalogPath()).size(), 5u);
}

TEST_F(CatalogFileTest, SaveKeepsThePermissionsOfTheOldFile) {
    WriteAll(CatalogPath(), Bytes(MakeRecords(1)));
    QFile::setPermissions(CatalogPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    WriteCatalogFile(CatalogPath(), MakeRecords(2));
    EXPECT_EQ(QFileInfo(CatalogPath()).permissions() & 0x0FFF, 0x0644);
}

// Writes with the file size limited, as a nearly full disk would stop them.
TEST_F(CatalogFileTest, FailedSaveLeavesTheOldFileWhole) {
    const QByteArray old = Bytes(MakeRecords(2));
    WriteAll(CatalogPath(), old);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = ErrorText([&] { WriteCatalogFile(CatalogPath(), MakeRecords(4)); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, "I/O error " + std::to_string(EFBIG));
    EXPECT_EQ(ReadAll(CatalogPath()), old);
    EXPECT_EQ(QDir(Temp.filePath("Data")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(CatalogFileTest, FullDiskReportsDiskFull) {
    const QString mountPoint = Temp.filePath("tiny");
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=8k") != 0)
        QV_REQUIRE(QStringLiteral("cannot mount a small tmpfs here: ") + std::strerror(errno));
    const QString path = mountPoint + "/All.dat";
    WriteAll(path, Bytes(MakeRecords(2)));
    const std::string error = ErrorText([&] { WriteCatalogFile(path, MakeRecords(10)); });
    const QByteArray after = ReadAll(path);
    ::umount2(mountPoint.toLocal8Bit().constData(), MNT_DETACH);
    EXPECT_EQ(error, "Disk full");
    EXPECT_EQ(after, Bytes(MakeRecords(2)));
}

TEST_F(CatalogFileTest, SaveIntoAMissingFolderFails) {
    EXPECT_EQ(ErrorText([&] { WriteCatalogFile(Temp.filePath("no/All.dat"), MakeRecords(1)); }),
              "File not found");
}

} // namespace
