#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "player/Unit1.h"
#include "shell/Application.h"
#include "shell/Pathes.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstring>

void FormsTest::SetUp() {
    ASSERT_TRUE(ProgramDir.isValid());
    SetProgramFolderForTesting(ProgramDir.path());
    // No real disc may interfere with the windows under test.
    SetMountInfoPathForTesting(ProgramDir.filePath(QStringLiteral("no-mountinfo")));
    SavedHome = qgetenv("HOME");
    qputenv("HOME", HomeDir.path().toLocal8Bit());
    QDir(ProgramDir.path()).mkpath(QStringLiteral("Video"));
    Catalog.clear();
    CatalogLoaded = false;
    CurrentIndex = -1;
    RandSeed = 0;
    CreateForms();
    MainForm->Timer2->stop();
}

void ForgetDisc() {
    Catalog.clear();
    CatalogLoaded = false;
    CurrentIndex = -1;
    DiscPresent = false;
    SettingsValid = false;
}

void FormsTest::TearDown() {
    DestroyForms();
    ForgetDisc();
    qputenv("HOME", SavedHome);
    SetProgramFolderForTesting(QString());
    SetMountInfoPathForTesting(QString());
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
