#include "app/reportcommands.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/errors.h"
#include "reports/htmlexport.h"
#include "reports/printausgabe.h"
#include "reports/sheet.h"

namespace rzv {

ReportCommands::ReportCommands(TCupData& cup, Ausgabe& ausgabe, Prompt& prompt, QPrinter& printer,
                               std::function<void()> sheetChanged, std::function<void()> showSheet)
    : m_cup(cup), m_ausgabe(ausgabe), m_prompt(prompt), m_printer(printer),
      m_sheetChanged(std::move(sheetChanged)), m_showSheet(std::move(showSheet)) {}

bool ReportCommands::run(const std::function<void()>& operation) {
    const bool done =
        runOperation(operation, [this](const QString& message) { m_prompt.error(message); });
    // Reports reorder the participants; the tables and the sheet are shown as they are now.
    m_cup.notifyTablesChanged();
    m_sheetChanged();
    return done;
}

void ReportCommands::preview(const ReportWriter& write) {
    if (run([&] { write(m_ausgabe); })) m_showSheet();
}

void ReportCommands::print(const ReportWriter& write) {
    if (!m_prompt.choosePrinter(m_printer)) return;
    run([&] {
        write(m_ausgabe);
        // The print service reports its own troubles; a printer that cannot even be opened
        // (a PDF file in a folder without write access) would otherwise pass unnoticed.
        if (!printausgabe(m_ausgabe, m_printer))
            m_prompt.error(QStringLiteral(
                "Der Drucker konnte nicht geöffnet werden. Es wurde nichts gedruckt."));
    });
}

void ReportCommands::exportHtml(const ReportWriter& write) {
    run([&] {
        write(m_ausgabe);
        const QString path =
            m_prompt.saveFileName(QStringLiteral("HTML-Export speichern unter"),
                                  QStringLiteral("HTML-Dateien (*.htm *.html);;alle Dateien (*.*)"),
                                  QStringLiteral("htm"));
        if (!path.isEmpty()) ausgabe2html(m_ausgabe, m_cup, m_cup.htmlStyle, path);
    });
}

} // namespace rzv
