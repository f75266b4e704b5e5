#include "app/historyactions.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace rzv {

namespace {

// "&Rückgängig: Teilnehmer löschen (Müller, Anna)"; an "&" of a name is shown as it is.
QString entryText(const QString& entry, const QString& step) {
    if (step.isEmpty()) return entry;
    QString shown = step;
    return entry + QStringLiteral(": ") + shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace

HistoryActions::HistoryActions(QUndoStack& history, QMenu* menu)
    : QObject(menu), m_history(history) {
    undo = menu->addAction(QStringLiteral("&Rückgängig"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = menu->addAction(QStringLiteral("&Wiederholen"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::indexChanged, this, &HistoryActions::follow);
    connect(&history, &QUndoStack::cleanChanged, this, &HistoryActions::follow);
    follow();
}

void HistoryActions::follow() {
    undo->setText(entryText(QStringLiteral("&Rückgängig"), m_history.undoText()));
    undo->setEnabled(m_history.canUndo());
    redo->setText(entryText(QStringLiteral("&Wiederholen"), m_history.redoText()));
    redo->setEnabled(m_history.canRedo());
}

} // namespace rzv
