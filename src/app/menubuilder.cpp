#include "app/menubuilder.h"

namespace rzv {

ReportEntries addReportMenu(QMenu* parent, const QString& title, ReportCommands& commands,
                            ReportOfCell report, WithHtml withHtml) {
    ReportEntries entries{parent->addMenu(title), nullptr, nullptr, nullptr};
    const auto add = [&](const QString& text, void (ReportCommands::*run)(const ReportWriter&)) {
        QAction* action = entries.menu->addAction(text);
        QObject::connect(action, &QAction::triggered, entries.menu, [&commands, report, run] {
            if (const ReportWriter write = report()) (commands.*run)(write);
        });
        return action;
    };
    entries.vorschau = add(QStringLiteral("&Vorschau"), &ReportCommands::preview);
    entries.drucken = add(QStringLiteral("&Drucken"), &ReportCommands::print);
    if (withHtml == WithHtml::yes)
        entries.html = add(QStringLiteral("&HTML-Export"), &ReportCommands::exportHtml);
    return entries;
}

} // namespace rzv
