// What the test main does between tests: whatever one test changes, the next
// starts from the program's own start state and the environment it had.
#include "platform/RandomNumbers.h"
#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

TEST(TestIsolation, RestoresTheEnvironmentAndStartsTheWindowsAfresh) {
    const ::testing::TestInfo& info = *::testing::UnitTest::GetInstance()->current_test_info();
    const QByteArray home = qgetenv("HOME");
    TestIsolation isolation;
    isolation.OnTestStart(info);

    qputenv("HOME", "/elsewhere");
    qputenv("QV_ISOLATION_PROBE", "1");
    Catalog.resize(3);
    CatalogLoaded = true;
    CurrentIndex = 2;
    DiscPresent = StopAtSegmentEnd = SettingsValid = true;
    WorkDir = FavFileName = QStringLiteral("/work");
    PlayListLines = {"1\xA4"
                     "0"};
    FullScreenMode = 1;
    RandSeed = 77;
    SetProgramFolderForTesting(QStringLiteral("/program"));
    CreateForms(); // left behind, as a failing test may

    isolation.OnTestEnd(info);
    EXPECT_EQ(qgetenv("HOME"), home);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QV_ISOLATION_PROBE"));
    EXPECT_TRUE(Catalog.empty());
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, -1);
    EXPECT_FALSE(DiscPresent || StopAtSegmentEnd || SettingsValid);
    EXPECT_TRUE(WorkDir.isEmpty() && FavFileName.isEmpty() && PlayListLines.empty());
    EXPECT_EQ(FullScreenMode, 0);
    EXPECT_EQ(RandSeed, 0u);
    EXPECT_NE(ProgramFolder(), QStringLiteral("/program/"));
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(VidOutForm, nullptr);
    EXPECT_EQ(CatForm2, nullptr);
}
