#pragma once

#include <functional>

class QPrinter;

namespace rzv {

class Ausgabe;
class Prompt;
class TCupData;

// Writes one report into the cleared output sheet.
using ReportWriter = std::function<void(Ausgabe&)>;

// Preview, print and HTML export of a report. A report that stops shows its message; the
// sheet view is refreshed whatever happened.
class ReportCommands {
public:
    ReportCommands(TCupData& cup, Ausgabe& ausgabe, Prompt& prompt, QPrinter& printer,
                   std::function<void()> sheetChanged, std::function<void()> showSheet);

    // Writes the report and brings the "Ausgabe" tab to the front.
    void preview(const ReportWriter& write);
    // The print dialog first; cancelling writes nothing. Then writes and prints the report.
    void print(const ReportWriter& write);
    // Writes the report, asks for the file and writes the page; cancelling keeps the report in
    // the sheet.
    void exportHtml(const ReportWriter& write);

private:
    bool run(const std::function<void()>& operation);

    TCupData& m_cup;
    Ausgabe& m_ausgabe;
    Prompt& m_prompt;
    QPrinter& m_printer;
    std::function<void()> m_sheetChanged;
    std::function<void()> m_showSheet;
};

} // namespace rzv
