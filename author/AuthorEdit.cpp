#include "author/AuthorEdit.h"

#include "platform/Exceptions.h"

TProjectEdit::TProjectEdit(const QString& text, TStep redoStep, TStep undoStep, TReport report)
    : QUndoCommand(text), RedoStep(std::move(redoStep)), UndoStep(std::move(undoStep)),
      Report(std::move(report)) {}

void TProjectEdit::redo() {
    // QUndoStack::push calls redo once; the edit has been made already.
    if (Done) {
        Done = false;
        return;
    }
    Run(RedoStep);
}

void TProjectEdit::undo() {
    Run(UndoStep);
}

void TProjectEdit::Run(const TStep& step) {
    try {
        step();
    } catch (const std::exception& error) {
        if (Report)
            Report(QString::fromStdString(error.what()));
    }
}
