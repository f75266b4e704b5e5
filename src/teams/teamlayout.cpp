#include "teams/teamlayout.h"

#include "cup/cupdata.h"
#include "reports/sheet.h"

namespace rzv {

int schreibeKategorien(Ausgabe& ausgabe, const Mannschaften& mannschaften,
                       const Mannschaftslayout& layout) {
    const auto& alle = mannschaften.kategorien();
    int gesamt = 0;
    for (size_t erste = 0; erste < alle.size();) {
        const Mannschaftskategorie& cup = alle[erste];
        if (cup.cvZeile > 0) {
            ausgabe.leerzeile();
            ausgabe.doppellinie();
            ausgabe.leerzeile();
            ausgabe.p(kSchwarz, Stil::fett, 10, layout.cupTitel(cup));
        }
        ausgabe.leerzeile();
        ausgabe.p(kSchwarz, Stil::unterstrichen, 9, layout.spaltenkopf);
        int gelistet = 0;
        size_t kat = erste;
        for (; kat < alle.size() && alle[kat].cvZeile == cup.cvZeile; ++kat) {
            ausgabe.leerzeile();
            ausgabe.p(kSchwarz, Stil::normal, 9,
                      QStringLiteral("Mannschaften ") + wertungsname(alle[kat].geschlecht));
            const int anzahl = layout.liste(kat);
            if (anzahl == 0) ausgabe.d(-2);
            gelistet += anzahl;
        }
        if (gelistet == 0) ausgabe.d(cup.cvZeile > 0 ? -6 : -2);
        gesamt += gelistet;
        erste = kat;
    }
    return gesamt;
}

QString mannschaftsunterzeile(const QString& text, const QString& wert) {
    return QString(9, u' ') + linksbuendig(text, 62) + rechtsbuendig(wert, 11);
}

QString wertungszeile(const Mannschaftseinstellungen& einstellungen) {
    return QStringLiteral("Wertung: die %1 besten Ergebnisse je Verein")
               .arg(einstellungen.groesse) +
           (einstellungen.gemischt ? QStringLiteral(", Frauen und Männer gemeinsam") : QString());
}

QString gesamtzeile(const TCupContent& cup, const Mannschaftseinstellungen& einstellungen) {
    return QStringLiteral("Gesamt: Summe der %1, gewertete Läufe: höchstens %2, mindestens %3")
        .arg(einstellungen.platzziffern ? QStringLiteral("Platzziffern") : QStringLiteral("Punkte"))
        .arg(cup.max)
        .arg(cup.min);
}

} // namespace rzv
