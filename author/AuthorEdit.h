#pragma once
// One step of the author's undo history: a project call and the call that
// reverses it. The step is pushed after it was made, so a refused edit never
// reaches the history.

#include <QString>
#include <QUndoCommand>

#include <functional>

class TProjectEdit : public QUndoCommand {
public:
    using TStep = std::function<void()>;
    using TReport = std::function<void(const QString&)>;
    // report hears of a failure while undoing or redoing: the stack can't
    // carry an exception, and the step stays where it was.
    TProjectEdit(const QString& text, TStep redoStep, TStep undoStep, TReport report);
    void redo() override;
    void undo() override;

private:
    void Run(const TStep& step);

    TStep RedoStep;
    TStep UndoStep;
    TReport Report;
    bool Done = true; // made before it was pushed
};
