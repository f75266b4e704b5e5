#include "teams/teamtables.h"

#include "cup/cupdata.h"
#include "publish/csvtable.h"
#include "teams/teamrace.h"
#include "teams/teamstanding.h"

namespace rzv {

namespace {

QString wertungsname(Mannschaftskategorie::Geschlecht geschlecht) {
    switch (geschlecht) {
    case Mannschaftskategorie::weiblich: return QStringLiteral("Frauen");
    case Mannschaftskategorie::maennlich: return QStringLiteral("Männer");
    case Mannschaftskategorie::gemischt: break;
    }
    return QStringLiteral("gemischt");
}

// The columns that name a team's category: the cup variation only in a cup that has any.
QStringList kategoriekopf(bool mitCup) {
    return mitCup ? QStringList{QStringLiteral("Cup"), QStringLiteral("Wertung")}
                  : QStringList{QStringLiteral("Wertung")};
}

QStringList kategorie(bool mitCup, const Mannschaftskategorie& k) {
    return mitCup ? QStringList{k.cupVariation, wertungsname(k.geschlecht)}
                  : QStringList{wertungsname(k.geschlecht)};
}

QString platzText(int platz) {
    return platz > 0 ? QString::number(platz) : QString();
}

} // namespace

QByteArray mannschaftswertungTabelle(const TCupContent& cup, int k,
                                     const Mannschaftseinstellungen& einstellungen) {
    const Mannschaften mannschaften(cup, einstellungen);
    const Mannschaftslauf lauf =
        mannschaftswertungen(cup, k, k, mannschaften, einstellungen.groesse).front();
    const bool mitCup = cup.hasCupVariations();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    tabelle.zeile(kategoriekopf(mitCup) +
                  QStringList{QStringLiteral("Platz"), QStringLiteral("Verein"),
                              QStringLiteral("Summe"), QStringLiteral("Name"),
                              QStringLiteral("Vorname"), QStringLiteral("Ergebnis")});
    for (size_t kat = 0; kat < lauf.wertungen.size(); ++kat) {
        const QStringList spalten = kategorie(mitCup, mannschaften.kategorien()[kat]);
        const auto zeilen = [&](const Mannschaftsergebnis& m, const QString& summe) {
            for (const Mannschaftslaeufer& l : m.laeufer)
                tabelle.zeile(spalten + QStringList{platzText(m.platz),
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

QByteArray mannschaftsstandTabelle(const TCupContent& cup, int n,
                                   const Mannschaftseinstellungen& einstellungen) {
    const Mannschaften mannschaften(cup, einstellungen);
    const Mannschaftsstand stand = mannschaftsstand(cup, n, mannschaften, einstellungen);
    const bool mitCup = cup.hasCupVariations();
    CsvTabelle tabelle;
    QStringList kopf = kategoriekopf(mitCup) + QStringList{QStringLiteral("Platz"),
                                                           QStringLiteral("Verein"),
                                                           QStringLiteral("Läufe")};
    for (int k = 1; k <= n; ++k)
        kopf << QStringLiteral("Lauf %1").arg(k);
    tabelle.zeile(kopf << QStringLiteral("Gesamt"));
    for (size_t kat = 0; kat < stand.kategorien.size(); ++kat) {
        for (const Mannschaftsstandeintrag& e : stand.kategorien[kat]) {
            QStringList felder = kategorie(mitCup, mannschaften.kategorien()[kat]) +
                                 QStringList{platzText(e.platz), mannschaften.verein(e.mannschaft),
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
