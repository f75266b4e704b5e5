#include "teams/teamtables.h"

#include "cup/cupdata.h"
#include "publish/csvtable.h"

namespace rzv {

QByteArray mannschaftswertungTabelle(const TCupContent& cup, int k, const Mannschaften& mannschaften,
                                     const Mannschaftslauf& lauf) {
    const bool mitCup = cup.hasCupVariations();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    tabelle.zeile(gruppenfelder(mitCup, QStringLiteral("Cup"), QStringLiteral("Wertung")) +
                  QStringList{QStringLiteral("Platz"), QStringLiteral("Verein"),
                              QStringLiteral("Summe"), QStringLiteral("Name"),
                              QStringLiteral("Vorname"), QStringLiteral("Ergebnis")});
    for (size_t kat = 0; kat < lauf.wertungen.size(); ++kat) {
        const QStringList spalten =
            gruppenfelder(mitCup, mannschaften.kategorien()[kat].cupVariation,
                          wertungsname(mannschaften.kategorien()[kat].geschlecht));
        const auto zeilen = [&](const Mannschaftsergebnis& m, const QString& summe) {
            for (const Mannschaftslaeufer& l : m.laeufer)
                tabelle.zeile(spalten + QStringList{platzfeldCsv(m.platz),
                                                    mannschaften.verein(m.mannschaft), summe,
                                                    teil.cell(kName, l.row),
                                                    teil.cell(kVorname, l.row),
                                                    teil.cell(resultColumn(k), l.row)});
        };
        for (const Mannschaftsergebnis& m : lauf.wertungen[kat].gewertet)
            zeilen(m, mannschaftswert(lauf.zeitlauf, m.summe));
        for (const Mannschaftsergebnis& m : lauf.wertungen[kat].nichtGewertet)
            zeilen(m, QStringLiteral("nicht gewertet"));
    }
    return tabelle.bytes();
}

QByteArray mannschaftsstandTabelle(const TCupContent& cup, int n, const Mannschaften& mannschaften,
                                   const Mannschaftsstand& stand) {
    const bool mitCup = cup.hasCupVariations();
    CsvTabelle tabelle;
    QStringList kopf =
        gruppenfelder(mitCup, QStringLiteral("Cup"), QStringLiteral("Wertung")) +
        QStringList{QStringLiteral("Platz"), QStringLiteral("Verein"), QStringLiteral("Läufe")};
    for (int k = 1; k <= n; ++k)
        kopf << QStringLiteral("Lauf %1").arg(k);
    tabelle.zeile(kopf << QStringLiteral("Gesamt"));
    for (size_t kat = 0; kat < stand.kategorien.size(); ++kat) {
        for (const Mannschaftsstandeintrag& e : stand.kategorien[kat]) {
            QStringList felder =
                gruppenfelder(mitCup, mannschaften.kategorien()[kat].cupVariation,
                              wertungsname(mannschaften.kategorien()[kat].geschlecht)) +
                QStringList{platzfeldCsv(e.platz), mannschaften.verein(e.mannschaft),
                            QString::number(e.laeufe.size())};
            QStringList laeufe(n);
            for (const Mannschaftslaufwert& l : e.laeufe)
                laeufe[l.k - 1] = QString::number(l.wert);
            felder += laeufe;
            felder << (e.platz > 0 ? QString::number(e.summe) : QStringLiteral("---"));
            tabelle.zeile(felder);
        }
    }
    return tabelle.bytes();
}

} // namespace rzv
