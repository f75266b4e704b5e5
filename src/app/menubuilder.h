#pragma once

#include "app/reportcommands.h"

#include <QMenu>

namespace rzv {

// Adds an entry that runs the receiver's handler when chosen.
template <typename Receiver, typename Handler>
QAction* addEntry(QMenu* menu, const QString& text, Receiver* receiver, Handler handler) {
    QAction* action = menu->addAction(text);
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}

// The entries "&Vorschau", "&Drucken" and "&HTML-Export" of a report submenu.
struct ReportEntries {
    QMenu* menu;
    QAction* vorschau;
    QAction* drucken;
    QAction* html; // null where the report has no HTML export
};

// The report of the current cell, asked for when an entry is chosen; an empty writer when the
// cell holds nothing to report on (then the entry does nothing).
using ReportOfCell = std::function<ReportWriter()>;

enum class WithHtml { no, yes };

// Adds a report submenu whose entries preview, print and export the report of the current cell.
ReportEntries addReportMenu(QMenu* parent, const QString& title, ReportCommands& commands,
                            ReportOfCell report, WithHtml withHtml = WithHtml::yes);

} // namespace rzv
