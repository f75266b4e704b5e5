#include "app/certificatecommands.h"

#include "app/prompt.h"
#include "app/version.h"
#include "certificates/paintercanvas.h"
#include "certificates/printruns.h"
#include "cup/cupdata.h"
#include "cup/errors.h"
#include "dialogs/turkunden.h"

#include <QLineEdit>

namespace rzv {

CertificateCommands::CertificateCommands(TCupData& cup, Ausgabe& ausgabe, Prompt& prompt,
                                         QPrinter& printer, const Turkunden& settings,
                                         std::function<void()> sheetChanged)
    : m_cup(cup), m_ausgabe(ausgabe), m_prompt(prompt), m_printer(printer), m_settings(settings),
      m_sheetChanged(std::move(sheetChanged)) {}

void CertificateCommands::run(const std::function<void(CertificatePages&)>& print) {
    try {
        PainterCanvas canvas(m_printer);
        CertificatePages pages(
            canvas, m_cup,
            {m_cup.urkundeStyle, m_settings.unter1->text(), m_settings.unter2->text()},
            certificatePictures(), QDate::currentDate());
        print(pages);
    } catch (const RzvError& error) {
        m_prompt.error(error.message());
    }
    // The runs reorder the participants, the cup runs leave their report in the sheet.
    m_cup.notifyTablesChanged();
    m_sheetChanged();
}

void CertificateCommands::siegerurkunde(int race) {
    run([&](CertificatePages& pages) {
        rzv::siegerurkunde(m_cup, race, pages, [&](const QString& variation) {
            return m_prompt.askPlain(kProductName, printVariationQuestion(variation));
        });
    });
}

void CertificateCommands::teilnehmerurkunde(int race, const QString& startNumber) {
    run([&](CertificatePages& pages) { rzv::teilnehmerurkunde(m_cup, race, startNumber, pages); });
}

void CertificateCommands::gesamtsiegerurkunde(int race) {
    run([&](CertificatePages& pages) { rzv::gesamtsiegerurkunde(m_cup, race, pages, m_ausgabe); });
}

void CertificateCommands::gesamtteilnehmerurkunde(int race, const QString& startNumber) {
    run([&](CertificatePages& pages) {
        rzv::gesamtteilnehmerurkunde(m_cup, race, startNumber, pages, m_ausgabe);
    });
}

} // namespace rzv
