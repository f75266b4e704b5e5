#include "teams/teamstandingreport.h"

#include "cup/cupdata.h"
#include "reports/groups.h"
#include "reports/sheet.h"
#include "teams/teamlayout.h"
#include "teams/teamstanding.h"

namespace rzv {

namespace {

QString spaltenkopf(bool platzziffern) {
    return linksbuendig(QStringLiteral("Pos."), 5) + linksbuendig(QStringLiteral("Verein"), 60) +
           rechtsbuendig(QStringLiteral("Läufe"), 6) +
           rechtsbuendig(platzziffern ? QStringLiteral("Plätze") : QStringLiteral("Punkte"), 11);
}

QString laufzeile(const TCupContent& cup, const Mannschaftslaufwert& l) {
    return QStringLiteral("Lauf %1 vom %2: %3. Platz")
        .arg(cup.laufe.cell(l.k, kLaufnummer), cup.laufe.cell(l.k, kDatum))
        .arg(l.platz);
}

} // namespace

void ausgabe_mannschaftsstand(Ausgabe& ausgabe, const TCupContent& cup, int n,
                              const Mannschaftseinstellungen& einstellungen) {
    ausgabe.clear();
    const Mannschaften mannschaften(cup, einstellungen);
    const Mannschaftsstand stand = mannschaftsstand(cup, n, mannschaften, einstellungen);
    berichtskopf(ausgabe, cup);
    ausgabe.p(kSchwarz, Stil::fett, 12,
              QStringLiteral("Mannschaftsstand nach Lauf ") + QString::number(n));
    ausgabe.p(kSchwarz, Stil::normal, 9, wertungszeile(einstellungen));
    ausgabe.p(kSchwarz, Stil::normal, 9, gesamtzeile(cup, einstellungen));

    Mannschaftslayout layout;
    layout.spaltenkopf = spaltenkopf(einstellungen.platzziffern);
    layout.cupTitel = [](const Mannschaftskategorie& c) {
        return QStringLiteral("Ergebnisse im ") + c.cupVariation;
    };
    layout.liste = [&](size_t kategorie) {
        const auto& liste = stand.kategorien[kategorie];
        for (const Mannschaftsstandeintrag& e : liste) {
            ausgabe.p(kSchwarz, Stil::fett, 9,
                      platzfeld(e.platz) + linksbuendig(mannschaften.verein(e.mannschaft), 60) +
                          rechtsbuendig(QString::number(e.laeufe.size()), 6) +
                          rechtsbuendig(
                              e.platz > 0 ? QString::number(e.summe) : QStringLiteral("---"), 11));
            for (const Mannschaftslaufwert& l : e.laeufe) {
                const QString wert = QString::number(l.wert);
                ausgabe.p(kSchwarz, Stil::normal, 9,
                          mannschaftsunterzeile(laufzeile(cup, l),
                                                l.gezaehlt ? wert : u'(' + wert + u')'));
            }
        }
        return static_cast<int>(liste.size());
    };
    if (schreibeKategorien(ausgabe, mannschaften, layout) == 0)
        ausgabe.p(kSchwarz, Stil::normal, 9,
                  kKeineMannschaftGewertet);
    berichtsfuss(ausgabe);
}

} // namespace rzv
