#pragma once

#include <QString>
#include <functional>

class QPrinter;

namespace rzv {

class Ausgabe;
class CertificatePages;
class Prompt;
class TCupData;
class Turkunden;

// The four certificate runs of the race table's menu "&Urkunden drucken", printed on the
// printer chosen under "&Druckereinstellungen" in the style and with the signatory lines of the
// certificate settings as they are at that moment. A run that stops shows its message; the
// tables and the output sheet are shown as the run left them.
class CertificateCommands {
public:
    CertificateCommands(TCupData& cup, Ausgabe& ausgabe, Prompt& prompt, QPrinter& printer,
                        const Turkunden& settings, std::function<void()> sheetChanged);

    void siegerurkunde(int race);
    void teilnehmerurkunde(int race, const QString& startNumber);
    void gesamtsiegerurkunde(int race);
    void gesamtteilnehmerurkunde(int race, const QString& startNumber);

private:
    void run(const std::function<void(CertificatePages&)>& print);

    TCupData& m_cup;
    Ausgabe& m_ausgabe;
    Prompt& m_prompt;
    QPrinter& m_printer;
    const Turkunden& m_settings;
    std::function<void()> m_sheetChanged;
};

} // namespace rzv
