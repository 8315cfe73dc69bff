#include "CatWinTestSupport.h"
#include "platform/RandomNumbers.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyleOptionViewItem>
#include <QTest>

#include <set>

namespace {

using TreeTest = CatalogWindowTest;

TEST_F(TreeTest, GroupKeysThatReappearStartNewGroups) {
    LoadTestCatalog({{1, "One", "t0"}, {1, "One", "t1"}, {2, "Two", "t2"}, {1, "Again", "t3"}});
    Form->BuildCatalogTree();
    TfcTreeView* tree = Form->fcTreeView1;
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    ASSERT_EQ(tree->NodeCount(), 7);
    const std::vector<int> sizes{2, 1, 1};
    const std::vector<QString> names{"One", "Two", "Again"};
    for (int g = 0; g < 3; ++g) {
        auto* group = static_cast<TfcTreeNode*>(tree->topLevelItem(g));
        EXPECT_EQ(group->Count(), sizes[g]);
        EXPECT_EQ(group->Text(), names[g]);
        EXPECT_EQ(group->Level(), 0);
    }
    // Display order counts every node, groups included.
    EXPECT_EQ(Entry(0)->AbsoluteIndex(), 1);
    EXPECT_EQ(Entry(2)->AbsoluteIndex(), 4);
    EXPECT_EQ(Entry(3)->AbsoluteIndex(), 6);
    EXPECT_EQ(Entry(3)->Parent()->Data(), 1);
    EXPECT_EQ(tree->NodeAt(3)->GetNext(), Entry(2));
    EXPECT_EQ(Entry(3)->GetNext(), nullptr);
    EXPECT_EQ(Form->NodeOfEntry(4), nullptr);
    EXPECT_EQ(Form->NodeOfEntry(-1), nullptr);
    EXPECT_EQ(Form->NodeOfEntry(256), nullptr);
}

TEST_F(TreeTest, TitlesDecodeFromWindows1251) {
    LoadTestCatalog({{1, "\xC3\xF0\xF3\xEF\xEF\xE0", "\xCF\xF0\xE8\xE2\xE5\xF2"}});
    Form->BuildCatalogTree();
    EXPECT_EQ(Group(0)->Text(), QString::fromUtf8("Группа"));
    EXPECT_EQ(Entry(0)->Text(), QString::fromUtf8("Привет"));
}

// Assistive technology reads an entry with its group and its check mark.
TEST_F(TreeTest, EntriesAreReadWithTheirGroupAndMark) {
    LoadTestCatalog({{1, "One", "t0"}, {2, "Two", "t1"}});
    Form->BuildCatalogTree();
    Form->fcTreeView1->expandAll();
    Entry(1)->SetChecked(true);
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(Form->fcTreeView1);
    ASSERT_NE(tree, nullptr);
    const auto cell = [tree](const QString& name) -> QAccessibleInterface* {
        for (int i = 0; i < tree->childCount(); ++i)
            if (QAccessibleInterface* c = tree->child(i); c && c->text(QAccessible::Name) == name)
                return c;
        return nullptr;
    };
    QAccessibleInterface* t0 = cell("t0");
    QAccessibleInterface* t1 = cell("t1");
    ASSERT_NE(t0, nullptr);
    ASSERT_NE(t1, nullptr);
    EXPECT_EQ(t0->text(QAccessible::Description), "One");
    EXPECT_EQ(t1->text(QAccessible::Description), "Two");
    EXPECT_TRUE(t0->state().checkable);
    EXPECT_FALSE(t0->state().checked);
    EXPECT_TRUE(t1->state().checked);
    ASSERT_NE(cell("Two"), nullptr);
    EXPECT_EQ(cell("Two")->text(QAccessible::Description), "") << "a group belongs to none";
}

TEST_F(TreeTest, WindowWidthFollowsTheWidestTitleAndHeightTheRecordCount) {
    const QFontMetrics metrics(Form->fcTreeView1->font());
    std::string wide;
    while (metrics.horizontalAdvance(QString::fromStdString(wide)) < 200)
        wide += 'i';
    ASSERT_EQ(metrics.horizontalAdvance(QString::fromStdString(wide)), 200);
    LoadTestCatalog({{1, "G", "short"}, {1, "G", wide}, {2, "H", "mid title"}});
    Form->BuildCatalogTree();
    EXPECT_EQ(Form->width(), 270);
    const int rows = (metrics.height() + 4) * 3 + 20 + 99 + 40;
    EXPECT_EQ(Form->height(), std::max(rows, 260));

    // Many records: the window stops 30 pixels above the bottom of the screen.
    std::vector<TestRecord> many(300, TestRecord{1, "G", "x"});
    LoadTestCatalog(many);
    Form->move(5, 100);
    Form->BuildCatalogTree();
    const int screenHeight = Form->screen()->geometry().height();
    EXPECT_EQ(Form->height(), screenHeight - Form->frameGeometry().top() - 30);
    EXPECT_EQ(Form->width(), 145); // never below the minimum

    CatalogLoaded = false;
    Form->resize(160, 300);
    Form->BuildCatalogTree();
    EXPECT_EQ(Form->size(), QSize(160, 300));
    EXPECT_EQ(Form->fcTreeView1->NodeCount(), 301);
}

TEST_F(TreeTest, WindowRefusesToCloseAndStartsAtItsPlace) {
    EXPECT_EQ(Form->windowTitle(), "Quorvix Player");
    EXPECT_EQ(Form->pos(), QPoint(5, 5));
    EXPECT_EQ(Form->size(), QSize(145, 260));
    EXPECT_TRUE(Form->windowFlags() & Qt::Tool);
    Form->show();
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(TreeTest, GroupMarksFollowTheUserAndSpaceFlipsOnlyItsNode) {
    BuildTwoGroups();
    Form->CheckAllNodes();
    TfcTreeNode* a = Group(0);
    // The user unchecks entry 1: the group turns grey but stays checked.
    Form->fcTreeView1MouseDown(Entry(1));
    Entry(1)->setData(0, Qt::CheckStateRole, Qt::Unchecked);
    EXPECT_TRUE(a->Checked());
    EXPECT_TRUE(a->Grayed());
    EXPECT_EQ(a->checkState(0), Qt::PartiallyChecked);
    // A click on the grey group unchecks it and all its entries; again checks all.
    Form->fcTreeView1MouseDown(a);
    a->setData(0, Qt::CheckStateRole, Qt::Checked);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(a->Grayed());
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{3, 4}));
    a->setData(0, Qt::CheckStateRole, Qt::Checked);
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2, 3, 4}));
    // Unchecking the last checked entry leaves the group unchecked, not grey.
    Form->fcTreeView1MouseDown(Entry(3));
    Entry(3)->setData(0, Qt::CheckStateRole, Qt::Unchecked);
    Form->fcTreeView1MouseDown(Entry(4));
    Entry(4)->setData(0, Qt::CheckStateRole, Qt::Unchecked);
    EXPECT_FALSE(Group(4)->Checked());
    EXPECT_FALSE(Group(4)->Grayed());

    // Space on a node reached with the keyboard, not the pressed one: only it flips.
    Form->show();
    Form->fcTreeView1->setFocus();
    Form->fcTreeView1->setCurrentItem(Entry(2));
    QTest::keyClick(Form->fcTreeView1, Qt::Key_Space);
    EXPECT_FALSE(Entry(2)->Checked());
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(a->Grayed());
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1}));
}

TEST_F(TreeTest, MouseClickOnACheckBoxPropagates) {
    BuildTwoGroups();
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    TfcTreeView* tree = Form->fcTreeView1;
    TfcTreeNode* b = Group(4);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualItemRect(b);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = b->Text();
    option.widget = tree;
    const QRect box =
        tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(Form->LastPressedNode, 4);
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{3, 4}));
}

TEST_F(TreeTest, ProgramChangesRaiseTheEventOnlyWhenTheMarkChanges) {
    BuildTwoGroups();
    std::vector<int> seen;
    Form->fcTreeView1->OnToggleCheckbox = [&](TfcTreeNode* node) {
        EXPECT_EQ(node->checkState(0) != Qt::Unchecked, node->Checked()); // stored first
        seen.push_back(node->AbsoluteIndex());
    };
    Entry(0)->SetChecked(true);
    Entry(0)->SetChecked(true);
    Entry(0)->SetGrayed(true);
    Entry(0)->SetChecked(false);
    EXPECT_EQ(seen, (std::vector<int>{1, 1}));
}

TEST_F(TreeTest, UpdateBracketsNest) {
    BuildTwoGroups();
    TfcTreeView* tree = Form->fcTreeView1;
    tree->BeginUpdate();
    tree->BeginUpdate();
    tree->EndUpdate();
    EXPECT_FALSE(tree->updatesEnabled());
    tree->EndUpdate();
    EXPECT_TRUE(tree->updatesEnabled());
    tree->EndUpdate(); // an extra end does not unbalance later brackets
    tree->BeginUpdate();
    EXPECT_FALSE(tree->updatesEnabled());
    tree->EndUpdate();
}

TEST_F(TreeTest, GroupsStayOpenAndSelectingOpensThem) {
    BuildTwoGroups();
    Form->SelectEntry(3);
    EXPECT_EQ(Form->fcTreeView1->Selected(), Entry(3));
    EXPECT_TRUE(Group(4)->isExpanded());
    Group(4)->setExpanded(false);
    EXPECT_TRUE(Group(4)->isExpanded());
    Form->SelectEntry(99); // no such entry: selection stays
    EXPECT_EQ(Form->fcTreeView1->Selected(), Entry(3));
}

TEST_F(TreeTest, NextAndPreviousWrapOverCheckedEntries) {
    BuildTwoGroups();
    EXPECT_EQ(Form->NextCheckedEntry(0, 0), -1); // nothing checked
    for (int n : {0, 2, 4})
        Entry(n)->SetChecked(true);
    EXPECT_EQ(Form->NextCheckedEntry(4, 0), 0);
    EXPECT_EQ(Form->NextCheckedEntry(0, 1), 4);
    EXPECT_EQ(Form->NextCheckedEntry(0, 0), 2);
    EXPECT_EQ(Form->NextCheckedEntry(2, 1), 0);
    // An unchecked entry: forward to the next checked one after it, backward before it.
    EXPECT_EQ(Form->NextCheckedEntry(1, 0), 2);
    EXPECT_EQ(Form->NextCheckedEntry(1, 1), 0);
    EXPECT_EQ(Form->NextCheckedEntry(3, 0), 4);
    EXPECT_EQ(Form->NextCheckedEntry(3, 1), 2);
    // An entry that names no node: the first, or the last.
    EXPECT_EQ(Form->NextCheckedEntry(-1, 0), 0);
    EXPECT_EQ(Form->NextCheckedEntry(77, 1), 4);
    // One checked entry is the answer whatever N is.
    Entry(0)->SetChecked(false);
    Entry(4)->SetChecked(false);
    EXPECT_EQ(Form->NextCheckedEntry(0, 0), 2);
    EXPECT_EQ(Form->NextCheckedEntry(0, 1), 2);
    EXPECT_EQ(Form->NextCheckedEntry(2, 0), 2);
    CatalogLoaded = false;
    EXPECT_EQ(Form->NextCheckedEntry(2, 0), -1);
    EXPECT_EQ(Form->RandomCheckedEntry(), -1);
}

TEST_F(TreeTest, RandomChoiceStartsWithTheFirstAndReachesEveryCheckedEntry) {
    BuildTwoGroups();
    EXPECT_EQ(Form->RandomCheckedEntry(), -1);
    for (int n : {1, 2, 3, 4})
        Entry(n)->SetChecked(true);
    RandSeed = 0;
    EXPECT_EQ(Form->RandomCheckedEntry(), 1);
    std::set<int> chosen;
    for (int i = 0; i < 200; ++i)
        chosen.insert(Form->RandomCheckedEntry());
    EXPECT_EQ(chosen, (std::set<int>{1, 2, 3, 4}));

    // The sequence repeats from run to run.
    RandSeed = 0;
    std::vector<int> first, second;
    for (int i = 0; i < 20; ++i)
        first.push_back(Form->RandomCheckedEntry());
    RandSeed = 0;
    for (int i = 0; i < 20; ++i)
        second.push_back(Form->RandomCheckedEntry());
    EXPECT_EQ(first, second);

    Entry(1)->SetChecked(false);
    Entry(2)->SetChecked(false);
    chosen.clear();
    for (int i = 0; i < 50; ++i)
        chosen.insert(Form->RandomCheckedEntry());
    EXPECT_EQ(chosen, (std::set<int>{3, 4}));
}

TEST_F(TreeTest, GeneratorFollowsItsFormula) {
    RandSeed = 0;
    EXPECT_EQ(RandomNumber(10), 0u);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(RandomNumber(0), 0u);
    EXPECT_EQ(RandSeed, 134775814u);
    RandSeed = 0xFFFFFFFFu;
    const uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(RandomNumber(1000), static_cast<uint32_t>((uint64_t{next} * 1000) >> 32));
}

TEST_F(TreeTest, NodeColours) {
    BuildTwoGroups();
    auto attributes = [&](TfcTreeNode* node) {
        TfcNodeAttributes a{Form->fcTreeView1->font(), Qt::blue, Qt::blue};
        Form->fcTreeView1CalcNodeAttributes(node, a);
        return a;
    };
    Form->LastPressedNode = -1; // program changes below do not propagate
    TfcNodeAttributes group = attributes(Group(0));
    EXPECT_TRUE(group.Font.bold());
    EXPECT_EQ(group.FontColor, QColor(128, 128, 128)); // unchecked
    EXPECT_EQ(group.Background, QColor(77, 253, 204));
    Group(0)->SetChecked(true);
    EXPECT_EQ(attributes(Group(0)).FontColor, QColor(92, 118, 118));
    Group(0)->SetGrayed(true);
    EXPECT_EQ(attributes(Group(0)).FontColor, QColor(135, 180, 180));

    CurrentIndex = 1;
    TfcNodeAttributes current = attributes(Entry(1));
    EXPECT_FALSE(current.Font.bold());
    EXPECT_EQ(current.FontColor, QColor(255, 0, 0)); // red even while unchecked
    EXPECT_EQ(current.Background, QColor(254, 232, 206));
    EXPECT_EQ(attributes(Entry(2)).FontColor, QColor(128, 128, 128));
    Entry(2)->SetChecked(true);
    EXPECT_EQ(attributes(Entry(2)).FontColor, QColor(Qt::black));
    Form->SelectEntry(2);
    EXPECT_EQ(attributes(Entry(2)).Background, QColor(192, 192, 192));
}

} // namespace
