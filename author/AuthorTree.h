#pragma once
// The author's catalog tree: groups and entries as the player shows them,
// texts typed in place and checked as they are typed, and drags that the
// window turns into edits of the project instead of moving rows itself.

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

// Columns of the tree.
enum TAuthorColumn { ColTitle, ColMedia, ColStart, ColEnd, ColPicture, ColumnCount };
// Item data: what a row is, and which records it stands for.
enum TAuthorRole { RoleKind = Qt::UserRole, RoleRecord, RoleCount, RoleKey };
enum TAuthorRow { RowGroup, RowEntry };
// Where a dragged row was let go, as the drop indicator showed it.
enum class TDropPlace { Above, Below, On };

// The first character of a text that the catalog can't hold (or the one
// that makes it too long); -1 when it all fits.
int FirstUnstorable(const QString& text);

// A line editor that marks the first character the catalog can't hold.
class TCatalogTextEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit TCatalogTextEditor(QWidget* parent = nullptr);
    QString Problem() const { return ProblemText; }
    int BadAt() const { return BadIndex; }

signals:
    void ProblemChanged(const QString& problem);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void TextEdited();

    QString ProblemText;
    int BadIndex = -1;
};

class TCatalogTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // Hears every text the user finished typing; the model itself is never
    // written: the window edits the project, which rebuilds the tree.
    std::function<void(const QModelIndex&, const QString&)> OnCommit;
    std::function<void(const QString&)> OnProblem;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

class TAuthorTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit TAuthorTree(QWidget* parent = nullptr);
    TCatalogTextDelegate* Delegate() const { return TextDelegate; }
    // Commits and closes an open editor now, not when the view gets round to it.
    void FinishEditing();

    // A row dragged onto another.
    std::function<void(QTreeWidgetItem* dragged, QTreeWidgetItem* target, TDropPlace where)> OnDrop;

protected:
    void dropEvent(QDropEvent* event) override;
    // The delegate's own commit of an editor already finished comes late.
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    TCatalogTextDelegate* TextDelegate;
    QPointer<QWidget> Finished;
};
