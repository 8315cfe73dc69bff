#pragma once
// Builds small catalogs and the two windows the catalog window talks to.

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "player/Unit1.h"
#include "support/FormsFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct TestRecord {
    int Key;
    std::string Group;
    std::string Title;
    std::string Media = "clip";
};

inline void LoadTestCatalog(const std::vector<TestRecord>& records) {
    Catalog.clear();
    for (const TestRecord& r : records) {
        CatalogRecord record{};
        record.GroupKey = static_cast<uint8_t>(r.Key);
        SetShortString(record.GroupName, r.Group);
        SetShortString(record.Title, r.Title);
        SetShortString(record.MediaName, r.Media);
        record.EntryIndex = static_cast<uint8_t>(Catalog.size() % 256);
        Catalog.push_back(record);
    }
    CatalogLoaded = true;
    CurrentIndex = -1;
}

// Fresh windows per test; the globals point at them while the test runs.
class CatalogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Main = std::make_unique<TMainForm>();
        Form = std::make_unique<TCatForm2>();
        MainForm = Main.get();
        CatForm2 = Form.get();
        ResetWindowGlobals();
    }
    void TearDown() override {
        Form.reset();
        MainForm = nullptr;
        Main.reset();
        ResetWindowGlobals();
    }

    // Groups A (entries 0, 1, 2) and B (entries 3, 4).
    void BuildTwoGroups() {
        LoadTestCatalog(
            {{1, "A", "a0"}, {1, "A", "a1"}, {1, "A", "a2"}, {2, "B", "b3"}, {2, "B", "b4"}});
        Form->BuildCatalogTree();
    }
    TfcTreeNode* Entry(int n) const { return Form->NodeOfEntry(n); }
    TfcTreeNode* Group(int position) const { return Form->fcTreeView1->NodeAt(position); }
    std::vector<int> CheckedEntries() const {
        std::vector<int> result;
        for (const TfcTreeNode* node : Form->fcTreeView1->DisplayOrder())
            if (node->Level() == 1 && node->Checked())
                result.push_back(node->Data());
        return result;
    }

    std::unique_ptr<TMainForm> Main;
    std::unique_ptr<TCatForm2> Form;
};
