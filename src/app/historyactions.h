#pragma once

#include <QObject>

class QAction;
class QMenu;
class QUndoStack;

namespace rzv {

// The entries "&Rückgängig" (Ctrl+Z) and "&Wiederholen" (Ctrl+Y, Ctrl+Shift+Z) of the menu
// "&Bearbeiten". Each names the step it will undo or redo and is disabled when there is none.
class HistoryActions : public QObject {
    Q_OBJECT
public:
    HistoryActions(QUndoStack& history, QMenu* menu);

    QAction* undo;
    QAction* redo;

private:
    void follow();

    QUndoStack& m_history;
};

} // namespace rzv
