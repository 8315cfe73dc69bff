#include "support/FormsFixture.h"
#include "platform/RandomNumbers.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdlib>
#include <cstring>

#include <unistd.h>

void ResetWindowGlobals() {
    Catalog.clear();
    CatalogLoaded = false;
    CurrentIndex = -1;
    DiscPresent = false;
    StopAtSegmentEnd = false;
    WorkDir.clear();
    FavFileName.clear();
    SettingsValid = false;
    PlayListLines.clear();
    FullScreenMode = 0;
    RandSeed = 0;
    SetProgramFolderForTesting(QString());
    SetProgramFileNameForTesting(QString());
    SetMountInfoPathForTesting(QString());
}

namespace {

std::map<std::string, std::string> CurrentEnvironment() {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const size_t equals = text.find('=');
        if (equals != std::string::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return variables;
}

} // namespace

void TestIsolation::OnTestStart(const ::testing::TestInfo&) {
    Environment = CurrentEnvironment();
}

void TestIsolation::OnTestEnd(const ::testing::TestInfo&) {
    // First the windows, and with them the engine's threads that may read
    // the environment.
    DestroyForms();
    ResetWindowGlobals();
    for (const auto& [name, value] : CurrentEnvironment())
        if (!Environment.contains(name))
            ::unsetenv(name.c_str());
    for (const auto& [name, value] : Environment)
        ::setenv(name.c_str(), value.c_str(), 1);
}

FormsTest::FormsTest(TControl control) {
    if (control == TControl::Scripted)
        Factory.emplace();
}

void FormsTest::SetUp() {
    ASSERT_TRUE(ProgramDir.isValid());
    ResetWindowGlobals();
    SetProgramFolderForTesting(ProgramDir.path());
    // No real disc may interfere with the windows under test.
    SetMountInfoPathForTesting(ProgramDir.filePath(QStringLiteral("no-mountinfo")));
    qputenv("HOME", HomeDir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", HomeDir.filePath(QStringLiteral(".config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", HomeDir.filePath(QStringLiteral(".local/share")).toLocal8Bit());
    QDir(ProgramDir.path()).mkpath(QStringLiteral("Video"));
    CreateForms();
    MainForm->Timer2->stop();
}

void FormsTest::TearDown() {
    DestroyForms();
}

void FormsTest::AddEntry(uint8_t groupKey, const char* title, const char* media, double start,
                         double end, bool withFile) {
    CatalogRecord record;
    std::memset(&record, 0, sizeof record);
    record.GroupKey = groupKey;
    SetShortString(record.GroupName, "Group " + std::to_string(groupKey));
    record.EntryIndex = static_cast<uint8_t>(Catalog.size());
    SetShortString(record.Title, title);
    SetShortString(record.MediaName, media);
    record.StartPos = start;
    record.EndPos = end;
    Catalog.push_back(record);
    if (withFile) {
        QFile file(VideoPath(media));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

QString FormsTest::VideoPath(const char* media) const {
    return ProgramDir.filePath(QStringLiteral("Video/") + QString::fromLatin1(media) +
                               QStringLiteral(".AVI"));
}

void FormsTest::ShowCatalog() {
    CatalogLoaded = true;
    CurrentIndex = 0;
    CatForm2->BuildCatalogTree();
    CatForm2->CheckAllNodes();
}

void FormsTest::SetChecked(int entry, bool checked) {
    TfcTreeNode* node = CatForm2->NodeOfEntry(entry);
    ASSERT_NE(node, nullptr);
    node->SetChecked(checked);
}

void FormsTest::PlayAndOpen(int entry) {
    MainForm->PlayEntry(entry);
    Player()->FinishOpening();
}
