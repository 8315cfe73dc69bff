#include "platform/IniFile.h"
#include "platform/Exceptions.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath("user.ini");
};

TEST_F(IniFileTest, ReadsSectionsAndKeysCaseInsensitivelyWithTrimmedValues) {
    WriteAll(Path, "; remark\r\n[Main]\r\n  Volume = 3 \r\nIniFileName= Kino Player \r\n"
                   ";Volume=9\r\n[ Other ]\r\nvolume=7\r\n[main]\r\nVolume=5\r\n");
    const TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("MAIN", "volume", 0), 3); // the first matching section wins
    EXPECT_EQ(ini.ReadString("main", "ININAME", "ERROR"), "ERROR");
    EXPECT_EQ(ini.ReadString("main", "ininamefile", "ERROR"), "ERROR");
    EXPECT_EQ(ini.ReadString("Main", "INIFILENAME", "ERROR"), "Kino Player");
    EXPECT_EQ(ini.ReadInteger("other", "Volume", 0), 7);
    EXPECT_EQ(ini.ReadString("Missing", "Volume", "ERROR"), "ERROR");
    EXPECT_EQ(TIniFile(Dir.filePath("none.ini")).ReadString("Main", "Volume", "ERROR"), "ERROR");
    EXPECT_EQ(TIniFile(QString()).ReadInteger("Main", "Volume", 4), 4);
}

// Only a missing file reads as empty; one that can't be read is an error
// naming it, and a write never takes it for an empty file to replace.
TEST_F(IniFileTest, AFileThatCannotBeReadIsAnErrorAndIsNotReplaced) {
    const QByteArray original = "[A]\nx=1\n[B]\ny=2\n";
    WriteAll(Path, original);
    TIniFile ini(Path);
    const auto expectReadError = [](const TIniFile& file, const std::function<void()>& use) {
        try {
            use();
            ADD_FAILURE() << "no error for " << file.FileName().toStdString();
        } catch (const EInOutError& error) {
            EXPECT_NE(
                std::string(error.what()).find("Cannot read " + file.FileName().toStdString()),
                std::string::npos)
                << error.what();
        }
    };
    // No descriptor left to open it with: the lowest free one is over the limit.
    const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lowest, 0);
    ::close(lowest);
    struct rlimit old {};
    getrlimit(RLIMIT_NOFILE, &old);
    struct rlimit none = old;
    none.rlim_cur = static_cast<rlim_t>(lowest);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    expectReadError(ini, [&] { ini.ReadString("B", "y", "ERROR"); });
    expectReadError(ini, [&] { ini.WriteString("A", "x", "2"); });
    setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_EQ(ReadAll(Path), original);
    // A folder where the file should be opens, but fails to read.
    const TIniFile folder(Dir.path());
    expectReadError(folder, [&] { folder.ReadInteger("A", "x", 0); });
}

TEST_F(IniFileTest, IntegersThatAreNotNumbersReadAsTheDefault) {
    WriteAll(Path, "[S]\nempty=\ntext=abc\ntail=12abc\nneg=-7\nbig=99999999999\nplus=+5\n");
    const TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("S", "empty", 11), 11);
    EXPECT_EQ(ini.ReadInteger("S", "text", 11), 11);
    EXPECT_EQ(ini.ReadInteger("S", "tail", 11), 11);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 11), -7);
    EXPECT_EQ(ini.ReadInteger("S", "big", 11), 11);
    EXPECT_EQ(ini.ReadInteger("S", "plus", 11), 5);
}

// As discs made for Windows carry them: quoted values, a DOS editor's Ctrl-Z
// after the last value, NUL padding; a write keeps all of it around its key.
TEST_F(IniFileTest, ReadsQuotesCtrlZAndNulPaddingAsWindowsDoes) {
    const QByteArray original(
        "[Main]\r\nVolume=\"4\"\r\nIniFileName=\"\xCA\xEB\xE8\xEF\xFB\"\r\n"
        "Single=' spaced '\r\nOdd=\"4'\r\nLone=\"\r\nInner=a \"b\" c\r\n"
        "[Tail]\r\nVolume=3\x1a\r\n[Pad]\r\nIniFileName=Disc\0\0\0\0after=1\0\0",
        147);
    WriteAll(Path, original);
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("Main", "Volume", 0), 4);
    EXPECT_EQ(ini.ReadString("Main", "IniFileName", "ERROR"), "\xCA\xEB\xE8\xEF\xFB");
    EXPECT_EQ(ini.ReadString("Main", "Single", "ERROR"), " spaced ");
    EXPECT_EQ(ini.ReadString("Main", "Odd", "ERROR"), "\"4'") << "quotes that don't match stay";
    EXPECT_EQ(ini.ReadString("Main", "Lone", "ERROR"), "\"");
    EXPECT_EQ(ini.ReadString("Main", "Inner", "ERROR"), "a \"b\" c");
    EXPECT_EQ(ini.ReadInteger("Tail", "Volume", 0), 3);
    EXPECT_EQ(ini.ReadString("Pad", "IniFileName", "ERROR"), "Disc");
    EXPECT_EQ(ini.ReadInteger("Pad", "after", 0), 1) << "a NUL ends a line";

    ini.WriteStrings("Pad", {{"IniFileName", "New"}, {"Added", "2"}});
    QByteArray expected = original;
    expected.replace(expected.indexOf("Disc"), 4, "New");
    expected.insert(expected.indexOf("after=1") + 7, "\r\nAdded=2\r\n");
    EXPECT_EQ(ReadAll(Path), expected);
    EXPECT_EQ(ini.ReadInteger("Pad", "Added", 0), 2);
    ini.WriteInteger("Main", "Volume", 5);
    EXPECT_TRUE(ReadAll(Path).startsWith("[Main]\r\nVolume=5\r\nIniFileName=\""))
        << "the quotes go with the old value";
}

// Saved as "Unicode" by Notepad: read as its Windows-1251 text, and never
// written over with single bytes.
TEST_F(IniFileTest, ReadsUtf16FilesAndRefusesToWriteThem) {
    const QString text = QString::fromUtf8("[Main]\r\nVolume=\"2\"\r\nIniFileName=Клипы\r\n");
    const QByteArray wide =
        QByteArray("\xFF\xFE", 2) +
        QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    WriteAll(Path, wide);
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("main", "volume", 0), 2);
    EXPECT_EQ(ini.ReadString("Main", "IniFileName", "ERROR"), "\xCA\xEB\xE8\xEF\xFB");
    EXPECT_THROW(ini.WriteInteger("Main", "Volume", 3), Exception);
    EXPECT_EQ(ReadAll(Path), wide);
}

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnKeyByteForByte) {
    const QByteArray original = "; my settings\n[Volume1]\nWorkDir = /home/u/lists \nLEFT=5\n\n"
                                "[Volume2]\r\nleft=9\r\n";
    WriteAll(Path, original);
    TIniFile ini(Path);
    ini.WriteInteger("volume1", "left", 120);
    EXPECT_EQ(ReadAll(Path), "; my settings\n[Volume1]\nWorkDir = /home/u/lists \nLEFT=120\n\n"
                             "[Volume2]\r\nleft=9\r\n");
    ini.WriteString("Volume1", "FavFileName", "/home/u/lists/a.lst");
    EXPECT_EQ(ReadAll(Path), "; my settings\n[Volume1]\nWorkDir = /home/u/lists \nLEFT=120\n"
                             "FavFileName=/home/u/lists/a.lst\n\n[Volume2]\r\nleft=9\r\n");
    ini.WriteInteger("Volume3", "top", -4);
    EXPECT_EQ(ReadAll(Path), "; my settings\n[Volume1]\nWorkDir = /home/u/lists \nLEFT=120\n"
                             "FavFileName=/home/u/lists/a.lst\n\n[Volume2]\r\nleft=9\r\n"
                             "[Volume3]\ntop=-4\n");
    EXPECT_EQ(ini.ReadInteger("VOLUME3", "TOP", 0), -4);
    EXPECT_EQ(ini.ReadString("Volume1", "workdir", "ERROR"), "/home/u/lists");
}

TEST_F(IniFileTest, SeveralKeysGoOutInOneReplaceOfTheFile) {
    WriteAll(Path, "[A]\nkeep=1\nx=old\n[B]\nz=3");
    TIniFile ini(Path);
    ini.WriteStrings("a", {{"X", "new"}, {"y", "2"}, {"x", "newer"}});
    EXPECT_EQ(ReadAll(Path), "[A]\nkeep=1\nx=newer\ny=2\n[B]\nz=3");
    ini.WriteStrings("C", {{"p", "1"}, {"q", "2"}});
    EXPECT_EQ(ReadAll(Path), "[A]\nkeep=1\nx=newer\ny=2\n[B]\nz=3\n[C]\np=1\nq=2\n");
    // One refused value writes none of them.
    EXPECT_THROW(ini.WriteStrings("C", {{"p", "9"}, {"q", "a\nb"}}), Exception);
    EXPECT_EQ(ini.ReadString("C", "p", "ERROR"), "1");
}

TEST_F(IniFileTest, WritesIntoFilesWithoutFinalLineEnd) {
    WriteAll(Path, "[A]\r\nx=1");
    TIniFile ini(Path);
    ini.WriteString("A", "y", "2");
    EXPECT_EQ(ReadAll(Path), "[A]\r\nx=1\r\ny=2\r\n");
    WriteAll(Path, "[A]\r\nx=1");
    ini.WriteString("B", "y", "2");
    EXPECT_EQ(ReadAll(Path), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniFileTest, FirstWriteCreatesFolderAndFile) {
    const QString nested = Dir.filePath("a/b/settings.ini");
    TIniFile ini(nested);
    ini.WriteString("Volume1", "FavFileName", "x");
    EXPECT_EQ(ReadAll(nested), "[Volume1]\r\nFavFileName=x\r\n");
    EXPECT_EQ(QDir(Dir.filePath("a/b")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    TIniFile nameless{QString()};
    EXPECT_THROW(nameless.WriteString("A", "x", "1"), Exception);
}

TEST_F(IniFileTest, ValuesThatWouldSplitTheirLineAreRefused) {
    const QByteArray original = "[A]\r\nx=1\r\n";
    WriteAll(Path, original);
    TIniFile ini(Path);
    for (const QByteArray& value :
         {QByteArray("/a\nb.lst"), QByteArray("/a\r[B]\r\ny=2"), QByteArray("/a\0b", 4)}) {
        try {
            ini.WriteString("A", "x", value);
            FAIL() << "written: " << value.toStdString();
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("x to " + Path.toStdString()),
                      std::string::npos)
                << error.what();
        }
    }
    EXPECT_THROW(ini.WriteString("A", "y\nz", "1"), Exception);
    EXPECT_THROW(ini.WriteString("A]\n[B", "y", "1"), Exception);
    EXPECT_EQ(ReadAll(Path), original);
}

TEST_F(IniFileTest, FailedWriteLeavesOldFileWhole) {
    const QByteArray original = "[A]\nx=1\n";
    WriteAll(Path, original);
    // A file-size limit makes the write of the temporary file fail midway.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    TIniFile ini(Path);
    EXPECT_THROW(ini.WriteString("A", "x", QByteArray(500, 'v')), Exception);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(ReadAll(Path), original);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
