#include "author/AuthorTree.h"

#include "author/DiscProject.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QPainter>

int FirstUnstorable(const QString& text) {
    if (CatalogTextProblem(text).isEmpty())
        return -1;
    // The shortest head that fails ends at the culprit: a character the
    // code page lacks or the one that passes the byte limit.
    int end = 0;
    while (end < text.size()) {
        const int next = text[end].isHighSurrogate() && end + 1 < text.size() ? end + 2 : end + 1;
        if (!CatalogTextProblem(text.left(next)).isEmpty())
            return end;
        end = next;
    }
    return text.size() - 1;
}

TCatalogTextEditor::TCatalogTextEditor(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TCatalogTextEditor::TextEdited);
}

void TCatalogTextEditor::TextEdited() {
    const QString problem = CatalogTextProblem(text());
    BadIndex = problem.isEmpty() ? -1 : FirstUnstorable(text());
    setToolTip(problem);
    update();
    if (problem != ProblemText) {
        ProblemText = problem;
        emit ProblemChanged(problem);
    }
}

void TCatalogTextEditor::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (BadIndex < 0)
        return;
    // From the cursor, whose place the line editor knows, to the culprit.
    const QFontMetrics metrics(font());
    const int cursor = cursorPosition();
    const int cursorX = cursorRect().center().x();
    const int x = BadIndex <= cursor
                      ? cursorX - metrics.horizontalAdvance(text().mid(BadIndex, cursor - BadIndex))
                      : cursorX + metrics.horizontalAdvance(text().mid(cursor, BadIndex - cursor));
    const int width = std::max(metrics.horizontalAdvance(text().mid(BadIndex, 1)), 4);
    QPainter painter(this);
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.setBrush(QColor(255, 0, 0, 60));
    painter.drawRect(QRect(x, 2, width, height() - 5));
}

QWidget* TCatalogTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    // Titles, group names and media names are typed; marks are set while watching.
    const bool group = !index.parent().isValid();
    if (index.column() != ColTitle && (group || index.column() != ColMedia))
        return nullptr;
    auto* editor = new TCatalogTextEditor(parent);
    editor->setFrame(false);
    connect(editor, &TCatalogTextEditor::ProblemChanged, this, [this](const QString& problem) {
        if (OnProblem)
            OnProblem(problem);
    });
    return editor;
}

void TCatalogTextDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void TCatalogTextDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                        const QModelIndex& index) const {
    const auto* line = static_cast<TCatalogTextEditor*>(editor);
    if (line->text() == index.data(Qt::EditRole).toString())
        return;
    if (OnCommit)
        OnCommit(index, line->text());
}

void TAuthorTree::FinishEditing() {
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        QTreeWidget::commitData(editor);
        QTreeWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        Finished = editor;
    }
}

void TAuthorTree::commitData(QWidget* editor) {
    if (editor != Finished)
        QTreeWidget::commitData(editor);
}

void TAuthorTree::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != Finished)
        QTreeWidget::closeEditor(editor, hint);
}

TAuthorTree::TAuthorTree(QWidget* parent)
    : QTreeWidget(parent), TextDelegate(new TCatalogTextDelegate(this)) {
    setColumnCount(ColumnCount);
    setHeaderLabels({tr("Title"), tr("Media name"), tr("Start"), tr("End"), tr("Picture")});
    setItemDelegate(TextDelegate);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(ColTitle, QHeaderView::Stretch);
    header()->setMinimumSectionSize(40);
}

void TAuthorTree::dropEvent(QDropEvent* event) {
    QTreeWidgetItem* dragged = currentItem();
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    const DropIndicatorPosition indicator = dropIndicatorPosition();
    const TDropPlace where = indicator == AboveItem   ? TDropPlace::Above
                             : indicator == BelowItem ? TDropPlace::Below
                                                      : TDropPlace::On;
    // The rows stay: the window moves the records and builds the tree anew.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    setState(NoState);
    if (dragged && OnDrop)
        OnDrop(dragged, target, where);
}
