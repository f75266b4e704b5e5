// The team ranking of every race and the team standing, as the team reports compute them, in the
// design of the other pages: a table per category with the clubs as rows.
#include "publish/csvtable.h"
#include "publish/listpages.h"
#include "publish/sitehtml.h"
#include "publish/sitepages.h"
#include "teams/teamlayout.h"
#include "teams/teamrace.h"
#include "teams/teamstanding.h"
#include "teams/teamtables.h"

namespace rzv {

namespace {

const QString kZeilenende = QStringLiteral("</tr>\n");

// The place and the club, the row's header cell that the search looks at.
QString vereinszellen(const Mannschaften& mannschaften, int mannschaft, int platz) {
    return QStringLiteral("<tr>") + zelle(platzfeldCsv(platz), true) +
           QStringLiteral("<th scope=\"row\">") + webtext(mannschaften.verein(mannschaft)) +
           QStringLiteral("</th>");
}

QString kategorietitel(const Mannschaftskategorie& kategorie) {
    return QStringLiteral("Mannschaften ") + wertungsname(kategorie.geschlecht);
}

// The tables of the categories that list a team; `leer` when none does.
template <typename Zeilen>
void kategorietabellen(QString& html, const Seitendaten& daten, const QString& spalten,
                       std::function<QString(int)> cupTitel, Zeilen zeilen, const QString& leer) {
    Abschnitte abschnitte(std::move(cupTitel));
    bool gelistet = false;
    const auto& kategorien = daten.mannschaften().kategorien();
    for (size_t kat = 0; kat < kategorien.size(); ++kat) {
        const QString rows = zeilen(kat);
        if (rows.isEmpty()) continue;
        gelistet = true;
        abschnitte.tabelle(html, kategorien[kat].cvZeile, kategorietitel(kategorien[kat]), spalten);
        html += rows;
        tabellenende(html);
    }
    abschnitte.ende(html);
    if (!gelistet) html += QStringLiteral("<p>") + leer + QStringLiteral("</p>\n");
}

// A team of a race: its counted runners (all it had when it is not ranked), each linked to their
// page with the result, in a cell the search looks at too.
QString mannschaftszeile(const Seitendaten& daten, int k, const Mannschaftsergebnis& m,
                         const QString& summe) {
    QStringList laeufer;
    for (const Mannschaftslaeufer& l : m.laeufer)
        laeufer << weblink(daten.laeufer(l.row).datei, daten.laeufer(l.row).name) + u' ' +
                       ergebniszelle(daten.ergebnis(k, l.row));
    return vereinszellen(daten.mannschaften(), m.mannschaft, m.platz) + zelle(webtext(summe), true) +
           QStringLiteral("<td class=\"n\">") + laeufer.join(QStringLiteral("<br>")) +
           QStringLiteral("</td>") + kZeilenende;
}

QString laufseite(const Seitendaten& daten, int k, const Mannschaftslauf& lauf) {
    const TCupContent& cup = daten.cup();
    const QString titel = QStringLiteral("Mannschaftswertung ") + laufTitel(daten, k);
    const Seitenrahmen rahmen{
        seitentitel(daten, titel),
        navigation(daten, blaettern(k, daten.laeufe(), datei::mannschaftLauf,
                                    QStringLiteral("Mannschaften Lauf")) +
                              u' ' + weblink(datei::lauf(k), QStringLiteral("Ergebnisse Lauf %1").arg(k)) +
                              u' ' + weblink(datei::kMannschaftsstand, QStringLiteral("Mannschaftsstand"))),
        true, daten.stil()};
    QString seite = seitenanfang(rahmen) + QStringLiteral("<h1>") + titel + QStringLiteral("</h1>\n<p>") +
                    webtext(cup.name) + QStringLiteral(" – ") + webtext(cup.laufe.cell(k, kLauftyp)) +
                    QStringLiteral("</p>\n<p>") + webtext(wertungszeile(daten.mannschaftseinstellungen())) +
                    QStringLiteral("</p>\n");
    const int groesse = daten.mannschaftseinstellungen().groesse;
    kategorietabellen(
        seite, daten,
        spalte(QStringLiteral("Platz"), kZahl) + spalte(QStringLiteral("Verein")) +
            spalte(QStringLiteral("Summe"), kZahl) + spalte(QStringLiteral("Läufer")),
        [&](int v) { return cupImLauf(cup, k, v); },
        [&](size_t kat) {
            const Kategoriewertung& wertung = lauf.wertungen[kat];
            QString zeilen;
            for (const Mannschaftsergebnis& m : wertung.gewertet)
                zeilen += mannschaftszeile(daten, k, m, mannschaftswert(lauf.zeitlauf, m.summe));
            for (const Mannschaftsergebnis& m : wertung.nichtGewertet)
                zeilen += mannschaftszeile(
                    daten, k, m,
                    QStringLiteral("nicht gewertet (%1 von %2)").arg(m.laeufer.size()).arg(groesse));
            return zeilen;
        },
        kKeinVereinImLauf);
    seite += seitenende(daten.veroeffentlicht());
    return seite;
}

QString standseite(const Seitendaten& daten, const Mannschaftsstand& stand) {
    const TCupContent& cup = daten.cup();
    const int n = daten.laeufe();
    const QString titel = QStringLiteral("Mannschaftsstand nach Lauf %1").arg(n);
    const Seitenrahmen rahmen{
        seitentitel(daten, titel),
        navigation(daten, weblink(datei::mannschaftLauf(n), QStringLiteral("Mannschaften Lauf %1").arg(n))),
        true, daten.stil()};
    const Mannschaftseinstellungen& einstellungen = daten.mannschaftseinstellungen();
    QString seite = seitenanfang(rahmen) + QStringLiteral("<h1>") + titel + QStringLiteral("</h1>\n<p>") +
                    webtext(cup.name) + QStringLiteral("</p>\n<p>") +
                    webtext(wertungszeile(einstellungen)) + QStringLiteral("</p>\n<p>") +
                    webtext(gesamtzeile(cup, einstellungen)) + QStringLiteral("</p>\n");
    QString spalten = spalte(QStringLiteral("Platz"), kZahl) + spalte(QStringLiteral("Verein")) +
                      spalte(QStringLiteral("Läufe"), kZahl);
    for (int k = 1; k <= n; ++k)
        spalten += spalte(QStringLiteral("<abbr title=\"Lauf %1\">L%1</abbr>").arg(k), kZahl);
    spalten += spalte(QStringLiteral("Gesamt"), kZahl);
    kategorietabellen(
        seite, daten, spalten, [&](int v) { return webtext(cup.cv.cell(0, v)); },
        [&](size_t kat) {
            QString zeilen;
            for (const Mannschaftsstandeintrag& e : stand.kategorien[kat]) {
                // A race that does not count towards the total stands in brackets, as in the report.
                QStringList werte(n);
                for (const Mannschaftslaufwert& l : e.laeufe)
                    werte[l.k - 1] = l.gezaehlt ? QString::number(l.wert)
                                                : u'(' + QString::number(l.wert) + u')';
                zeilen += vereinszellen(daten.mannschaften(), e.mannschaft, e.platz) +
                          zelle(QString::number(e.laeufe.size()), true);
                for (const QString& wert : werte)
                    zeilen += zelle(wert, true);
                zeilen += zelle(e.platz > 0 ? QString::number(e.summe) : QStringLiteral("---"), true) +
                          kZeilenende;
            }
            return zeilen;
        },
        kKeineMannschaftGewertet);
    seite += seitenende(daten.veroeffentlicht());
    return seite;
}

} // namespace

void schreibeMannschaftsseiten(const Seitendaten& daten, Ablage& ablegen) {
    if (!daten.mitMannschaften()) return;
    const TCupContent& cup = daten.cup();
    const Mannschaften& mannschaften = daten.mannschaften();
    const int r = daten.laeufe();
    const std::vector<Mannschaftslauf> laeufe =
        mannschaftswertungen(cup, 1, r, mannschaften, daten.mannschaftseinstellungen().groesse);
    for (int k = 1; k <= r; ++k) {
        const Mannschaftslauf& lauf = laeufe[static_cast<size_t>(k - 1)];
        ablegen.seite(datei::mannschaftLauf(k), laufseite(daten, k, lauf));
        ablegen(datei::mannschaftLaufTabelle(k), mannschaftswertungTabelle(cup, k, mannschaften, lauf));
    }
    const Mannschaftsstand stand =
        mannschaftsstand(cup, r, mannschaften, daten.mannschaftseinstellungen());
    ablegen.seite(datei::kMannschaftsstand, standseite(daten, stand));
    ablegen(datei::kMannschaftsstandTabelle, mannschaftsstandTabelle(cup, r, mannschaften, stand));
}

} // namespace rzv
