#pragma once
// A two-level check-box tree over QTreeWidget: check and grey marks kept per
// node, events in the order the catalog window relies on, and absolute
// positions in display order.

#include <QColor>
#include <QFont>
#include <QTreeWidget>

#include <cstdint>
#include <functional>
#include <vector>

class TfcTreeView;

class TfcTreeNode : public QTreeWidgetItem {
public:
    TfcTreeNode(const QString& text, int32_t data);

    int32_t Data() const { return NodeData; }
    QString Text() const { return text(0); }
    bool Checked() const { return CheckMark; }
    bool Grayed() const { return GreyMark; }
    // Raises the tree's check-changed event when the mark changes.
    void SetChecked(bool checked);
    void SetGrayed(bool grayed);

    int Level() const;
    TfcTreeNode* Parent() const;
    int Count() const { return childCount(); }
    TfcTreeNode* Item(int index) const;
    // 0-based place in display order, counting every node.
    int32_t AbsoluteIndex() const;
    TfcTreeNode* GetNext() const;

    // The view changes the check state only for a click or Space: that flips
    // the mark and clears the grey mark. Programs use SetChecked.
    void setData(int column, int role, const QVariant& value) override;

private:
    friend class TfcTreeView;
    TfcTreeView* Tree() const;
    void ShowCheckState();

    int32_t NodeData;
    bool CheckMark = false;
    bool GreyMark = false;
    bool ShowingState = false;
    int32_t Position = -1;
};

// What the paint hook may change before a node is drawn.
struct TfcNodeAttributes {
    QFont Font;
    QColor FontColor;
    QColor Background;
};

class TfcTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TfcTreeView(QWidget* parent = nullptr);

    // Events, assigned by the owner.
    std::function<void(TfcTreeNode*)> OnToggleCheckbox;
    std::function<void(TfcTreeNode*)> OnMouseDown; // before a check box toggles
    std::function<void()> OnClick;
    std::function<void(TfcTreeNode*)> OnDblClick;
    std::function<void(int key)> OnKeyDown; // Qt key code
    std::function<bool(TfcTreeNode*)> OnCollapsing;
    std::function<bool(TfcTreeNode*)> OnExpanding;
    std::function<void(TfcTreeNode*, TfcNodeAttributes&)> OnCalcNodeAttributes;

    void Clear();
    // Adds a node as the last child of parent, or at the root when parent is null.
    TfcTreeNode* Add(TfcTreeNode* parent, const QString& text, int32_t data);
    TfcTreeNode* GetFirstNode() const;
    TfcTreeNode* NodeAt(int index) const; // by absolute position
    int NodeCount() const;
    TfcTreeNode* Selected() const;
    void SelectNode(TfcTreeNode* node);
    TfcTreeNode* GetNodeAt(const QPoint& viewportPoint) const;
    void InvalidateNode(TfcTreeNode* node);
    // Brackets nest; the tree repaints once at the outermost end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateDepth() const { return UpdateLevel; }

    // Display order of every node; rebuilt only after the shape changed.
    const std::vector<TfcTreeNode*>& DisplayOrder() const;
    TfcTreeNode* NodeFromIndex(const QModelIndex& index) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    friend class TfcTreeNode;
    void CheckChanged(TfcTreeNode* node);
    void ItemCollapsed(QTreeWidgetItem* item);
    void ItemExpanded(QTreeWidgetItem* item);
    void CurrentChanged(QTreeWidgetItem* current);

    int UpdateLevel = 0;
    bool Reverting = false;
    mutable bool OrderValid = true;
    mutable std::vector<TfcTreeNode*> Order;
};
