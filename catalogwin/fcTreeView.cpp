#include "catalogwin/fcTreeView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

const QColor LineColor(0, 128, 128); // teal

// Draws nodes with the owner's attributes, a flat check box, no selection
// while the tree lacks focus, and a tool tip only for cut-off texts.
class TfcNodeDelegate : public QStyledItemDelegate {
public:
    explicit TfcNodeDelegate(TfcTreeView* tree) : QStyledItemDelegate(tree), Tree(tree) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style)
            return;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect box =
            style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
        DrawFlatCheckBox(painter, box.adjusted(1, 1, -1, -1), opt.checkState);
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QRect textRect =
            view->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, view);
        const int needed = opt.fontMetrics.horizontalAdvance(opt.text) + 4;
        const int visible = qMin(textRect.right(), view->viewport()->width()) - textRect.left();
        if (needed > visible)
            QToolTip::showText(event->globalPos(), opt.text, view);
        else
            QToolTip::hideText();
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        TfcTreeNode* node = Tree->NodeFromIndex(index);
        TfcNodeAttributes attributes{option->font, option->palette.color(QPalette::Text),
                                     Tree->palette().color(QPalette::Base)};
        if (node && Tree->OnCalcNodeAttributes)
            Tree->OnCalcNodeAttributes(node, attributes);
        if (option->state & QStyle::State_MouseOver)
            attributes.Font.setUnderline(true);
        option->font = attributes.Font;
        option->fontMetrics = QFontMetrics(attributes.Font);
        option->palette.setColor(QPalette::Text, attributes.FontColor);
        option->backgroundBrush = attributes.Background;
        if (!Tree->hasFocus())
            option->state &= ~QStyle::State_Selected;
    }

private:
    static void DrawFlatCheckBox(QPainter* painter, const QRect& box, Qt::CheckState state) {
        if (box.width() < 4 || box.height() < 4)
            return;
        painter->save();
        painter->setPen(QColor(128, 128, 128));
        painter->setBrush(state == Qt::PartiallyChecked ? QColor(212, 208, 200) : Qt::white);
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        if (state != Qt::Unchecked) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(
                QPen(state == Qt::PartiallyChecked ? QColor(128, 128, 128) : Qt::black, 1.6));
            const QRectF r = QRectF(box).adjusted(2.5, 2.5, -3.5, -3.5);
            const QPointF mark[] = {{r.left(), r.center().y()},
                                    {r.left() + r.width() * 0.4, r.bottom()},
                                    {r.right(), r.top()}};
            painter->drawPolyline(mark, 3);
        }
        painter->restore();
    }

    TfcTreeView* Tree;
};

} // namespace

// Nodes.

TfcTreeNode::TfcTreeNode(const QString& text, int32_t data)
    : QTreeWidgetItem(UserType), NodeData(data) {
    setText(0, text);
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    ShowCheckState();
}

TfcTreeView* TfcTreeNode::Tree() const {
    return static_cast<TfcTreeView*>(treeWidget());
}

void TfcTreeNode::SetChecked(bool checked) {
    if (checked == CheckMark)
        return;
    CheckMark = checked;
    ShowCheckState();
    if (TfcTreeView* tree = Tree())
        tree->CheckChanged(this);
}

void TfcTreeNode::SetGrayed(bool grayed) {
    if (grayed == GreyMark)
        return;
    GreyMark = grayed;
    ShowCheckState();
}

void TfcTreeNode::ShowCheckState() {
    const Qt::CheckState state = !CheckMark ? Qt::Unchecked
                                 : GreyMark ? Qt::PartiallyChecked
                                            : Qt::Checked;
    ShowingState = true;
    QTreeWidgetItem::setData(0, Qt::CheckStateRole, state);
    ShowingState = false;
}

// The view asks to change the check state only for a click or Space: flip.
void TfcTreeNode::setData(int column, int role, const QVariant& value) {
    if (role != Qt::CheckStateRole || ShowingState || !treeWidget()) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    SetGrayed(false);
    SetChecked(!CheckMark);
}

int TfcTreeNode::Level() const {
    int level = 0;
    for (const QTreeWidgetItem* p = parent(); p; p = p->parent())
        ++level;
    return level;
}

TfcTreeNode* TfcTreeNode::Parent() const {
    return static_cast<TfcTreeNode*>(parent());
}

TfcTreeNode* TfcTreeNode::Item(int index) const {
    return static_cast<TfcTreeNode*>(child(index));
}

int32_t TfcTreeNode::AbsoluteIndex() const {
    const TfcTreeView* tree = Tree();
    if (!tree)
        return -1;
    tree->DisplayOrder();
    return Position;
}

TfcTreeNode* TfcTreeNode::GetNext() const {
    const int32_t at = AbsoluteIndex();
    return at < 0 ? nullptr : Tree()->NodeAt(at + 1);
}

// The tree.

TfcTreeView::TfcTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(16);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setAnimated(false);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TfcNodeDelegate(this));
    connect(this, &QTreeWidget::itemCollapsed, this, &TfcTreeView::ItemCollapsed);
    connect(this, &QTreeWidget::itemExpanded, this, &TfcTreeView::ItemExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { CurrentChanged(current); });
}

void TfcTreeView::Clear() {
    clear();
    Order.clear();
    OrderValid = true;
}

TfcTreeNode* TfcTreeView::Add(TfcTreeNode* parent, const QString& text, int32_t data) {
    auto* node = new TfcTreeNode(text, data);
    if (parent) {
        parent->addChild(node);
        // Read out with the node, after its own text and check mark.
        node->setData(0, Qt::AccessibleDescriptionRole, parent->Text());
    } else {
        addTopLevelItem(node);
    }
    OrderValid = false;
    return node;
}

const std::vector<TfcTreeNode*>& TfcTreeView::DisplayOrder() const {
    if (OrderValid)
        return Order;
    Order.clear();
    std::vector<QTreeWidgetItem*> stack;
    for (int i = topLevelItemCount() - 1; i >= 0; --i)
        stack.push_back(topLevelItem(i));
    while (!stack.empty()) {
        auto* node = static_cast<TfcTreeNode*>(stack.back());
        stack.pop_back();
        node->Position = static_cast<int32_t>(Order.size());
        Order.push_back(node);
        for (int i = node->childCount() - 1; i >= 0; --i)
            stack.push_back(node->child(i));
    }
    OrderValid = true;
    return Order;
}

TfcTreeNode* TfcTreeView::GetFirstNode() const {
    return NodeAt(0);
}

TfcTreeNode* TfcTreeView::NodeAt(int index) const {
    const auto& order = DisplayOrder();
    return index >= 0 && index < static_cast<int>(order.size()) ? order[index] : nullptr;
}

int TfcTreeView::NodeCount() const {
    return static_cast<int>(DisplayOrder().size());
}

TfcTreeNode* TfcTreeView::Selected() const {
    return static_cast<TfcTreeNode*>(currentItem());
}

TfcTreeNode* TfcTreeView::NodeFromIndex(const QModelIndex& index) const {
    return static_cast<TfcTreeNode*>(itemFromIndex(index));
}

void TfcTreeView::SelectNode(TfcTreeNode* node) {
    if (!node)
        return;
    for (QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node);
}

TfcTreeNode* TfcTreeView::GetNodeAt(const QPoint& viewportPoint) const {
    return static_cast<TfcTreeNode*>(itemAt(viewportPoint));
}

void TfcTreeView::InvalidateNode(TfcTreeNode* node) {
    if (node)
        viewport()->update(visualItemRect(node));
}

void TfcTreeView::BeginUpdate() {
    if (UpdateLevel++ == 0)
        setUpdatesEnabled(false);
}

void TfcTreeView::EndUpdate() {
    if (UpdateLevel > 0 && --UpdateLevel == 0)
        setUpdatesEnabled(true);
}

void TfcTreeView::CheckChanged(TfcTreeNode* node) {
    if (OnToggleCheckbox)
        OnToggleCheckbox(node);
}

void TfcTreeView::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(GetNodeAt(event->position().toPoint()));
    QTreeWidget::mousePressEvent(event);
}

void TfcTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (OnClick && event->button() == Qt::LeftButton)
        OnClick();
}

void TfcTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    TfcTreeNode* node = GetNodeAt(event->position().toPoint());
    QTreeWidget::mouseDoubleClickEvent(event);
    if (OnDblClick)
        OnDblClick(node);
}

void TfcTreeView::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown)
        OnKeyDown(event->key());
    QTreeWidget::keyPressEvent(event);
}

void TfcTreeView::ItemCollapsed(QTreeWidgetItem* item) {
    if (Reverting || !OnCollapsing || OnCollapsing(static_cast<TfcTreeNode*>(item)))
        return;
    Reverting = true;
    item->setExpanded(true);
    Reverting = false;
}

void TfcTreeView::ItemExpanded(QTreeWidgetItem* item) {
    if (Reverting || !OnExpanding || OnExpanding(static_cast<TfcTreeNode*>(item)))
        return;
    Reverting = true;
    item->setExpanded(false);
    Reverting = false;
}

// Single-expand: the node that becomes current opens.
void TfcTreeView::CurrentChanged(QTreeWidgetItem* current) {
    if (current && current->childCount() > 0)
        current->setExpanded(true);
}

// Dotted-free teal lines at the root and between siblings, with a +/- box.
void TfcTreeView::drawBranches(QPainter* painter, const QRect& rect,
                               const QModelIndex& index) const {
    painter->fillRect(rect, palette().color(QPalette::Base));
    const QTreeWidgetItem* item = itemFromIndex(index);
    if (!item)
        return;
    painter->save();
    painter->setPen(LineColor);
    const int step = indentation();
    const int midY = rect.center().y();
    int column = rect.right() - step + 1; // the node's own column
    const QTreeWidgetItem* parent = item->parent();
    const int siblings = parent ? parent->childCount() : topLevelItemCount();
    const int place = parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                             : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    const int midX = column + step / 2;
    painter->drawLine(midX, place == 0 && !parent ? midY : rect.top(), midX,
                      place + 1 < siblings ? rect.bottom() : midY);
    painter->drawLine(midX, midY, column + step - 2, midY);
    // Ancestors that have later siblings continue their line through this row.
    for (const QTreeWidgetItem* a = parent; a; a = a->parent()) {
        column -= step;
        const QTreeWidgetItem* up = a->parent();
        const int count = up ? up->childCount() : topLevelItemCount();
        const int at = up ? up->indexOfChild(const_cast<QTreeWidgetItem*>(a))
                          : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(a));
        if (at + 1 < count)
            painter->drawLine(column + step / 2, rect.top(), column + step / 2, rect.bottom());
    }
    if (item->childCount() > 0) {
        const QRect box(midX - 4, midY - 4, 8, 8);
        painter->fillRect(box, palette().color(QPalette::Base));
        painter->setPen(QColor(128, 128, 128));
        painter->drawRect(box);
        painter->setPen(Qt::black);
        painter->drawLine(box.left() + 2, midY, box.right() - 2, midY);
        if (!item->isExpanded())
            painter->drawLine(midX, box.top() + 2, midX, box.bottom() - 2);
    }
    painter->restore();
}
