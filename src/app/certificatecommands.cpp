#include "app/certificatecommands.h"

#include "ui/prompt.h"
#include "app/tw.h"
#include "cup/product.h"
#include "certificates/paintercanvas.h"
#include "certificates/printruns.h"
#include "dialogs/turkunden.h"

#include <QLineEdit>

namespace rzv {

void CertificateCommands::run(const std::function<void(CertificatePages&)>& print) {
    m_w.guarded([&] {
        PainterCanvas canvas(m_w.printer);
        const Turkunden& settings = *m_w.dialogs.urkunden;
        CertificatePages pages(
            canvas, m_w.cup,
            {m_w.cup.urkundeStyle, settings.unter1->text(), settings.unter2->text()},
            certificatePictures(), QDate::currentDate());
        print(pages);
    });
    // The runs order the participants; the cup runs leave the standing in the sheet.
    m_w.cup.notifyTablesChanged();
    m_w.sheetChanged();
}

void CertificateCommands::siegerurkunde(int race) {
    run([&](CertificatePages& pages) {
        rzv::siegerurkunde(m_w.cup, race, pages, [this](const QString& variation) {
            return m_w.prompt().askPlain(kProduktname, printVariationQuestion(variation));
        });
    });
}

void CertificateCommands::teilnehmerurkunde(int race, const QString& startNumber) {
    run([&](CertificatePages& pages) {
        rzv::teilnehmerurkunde(m_w.cup, race, startNumber, pages);
    });
}

void CertificateCommands::gesamtsiegerurkunde(int race) {
    run([&](CertificatePages& pages) {
        rzv::gesamtsiegerurkunde(m_w.cup, race, pages, m_w.ausgabe);
    });
}

void CertificateCommands::gesamtteilnehmerurkunde(int race, const QString& startNumber) {
    run([&](CertificatePages& pages) {
        rzv::gesamtteilnehmerurkunde(m_w.cup, race, startNumber, pages, m_w.ausgabe);
    });
}

} // namespace rzv
