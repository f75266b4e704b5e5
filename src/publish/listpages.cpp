#include "publish/listpages.h"

#include "cup/notation.h"
#include "cup/textjoin.h"
#include "publish/csvtable.h"
#include "publish/publishtables.h"
#include "publish/sitehtml.h"
#include "publish/sitepages.h"

#include <QStringList>

namespace rzv {

namespace {

const QString kZahlzelle = QStringLiteral("<td class=\"z\">");
const QString kZellenende = QStringLiteral("</td>");

void zahlzelle(QString& html, const QString& inhalt) {
    html += kZahlzelle;
    html += inhalt;
    html += kZellenende;
}

// Place, name, birth year and club: the first cells of the race and standing lists.
void laeuferzellen(QString& html, const Seitendaten& daten, const Listenzeile& zeile) {
    html += QStringLiteral("<tr>");
    zahlzelle(html, platzfeldCsv(zeile.platz));
    html += daten.laeufer(zeile.p).zellen;
}

QString laeuferspalten() {
    return spalte(QStringLiteral("Platz"), kZahl) + spalte(QStringLiteral("Name")) +
           spalte(QStringLiteral("Jahrgang"), kJahrgang) + spalte(QStringLiteral("Verein"));
}

void laufseite(QString& seite, const Seitendaten& daten, int k, const Listen& listen) {
    const TCupContent& cup = daten.cup();
    const Seitenrahmen rahmen{
        seitentitel(daten, QStringLiteral("Ergebnisse ") + laufTitel(daten, k)),
        navigation(daten, blaettern(k, daten.laeufe(), datei::lauf, QStringLiteral("Lauf")) + u' ' +
                              weblink(datei::standNachLauf(k),
                                      QStringLiteral("Gesamtstand nach Lauf %1").arg(k))),
        true, daten.stil()};
    Listenlayout layout;
    layout.spalten = laeuferspalten() + spalte(QStringLiteral("Ergebnis"), kZahl) +
                     spalte(QStringLiteral("Punkte"), kZahl);
    layout.cupTitel = [&](int v) { return cupImLauf(cup, k, v); };
    layout.zeile = [&](QString& html, const Listenzeile& zeile) {
        laeuferzellen(html, daten, zeile);
        zahlzelle(html, ergebniszelle(daten.ergebnis(k, zeile.p)));
        zahlzelle(html, daten.wertung(k, zeile.p));
        html += QStringLiteral("</tr>\n");
    };
    layout.leer = QStringLiteral("<p>Für diesen Lauf sind noch keine Ergebnisse eingetragen.</p>\n");
    anhaengen(seite, {seitenanfang(rahmen), u"<h1>Ergebnisse ", laufTitel(daten, k), u"</h1>\n<p>",
                      webtext(cup.name), u" – ", webtext(cup.laufe.cell(k, kLauftyp)), u"</p>\n"});
    gruppentabellen(seite, listen, layout);
    seite += seitenende(daten.veroeffentlicht());
}

void standseite(QString& seite, const Seitendaten& daten, int n, const Listen& listen,
                const QString& nav) {
    const TCupContent& cup = daten.cup();
    const QString titel = n == daten.laeufe()
                              ? QStringLiteral("Gesamtergebnis")
                              : QStringLiteral("vorl. Gesamtergebnis nach Lauf %1").arg(n);
    const Seitenrahmen rahmen{seitentitel(daten, titel), navigation(daten, nav), true, daten.stil()};
    Listenlayout layout;
    layout.spalten = laeuferspalten();
    for (int k = 1; k <= n; ++k)
        layout.spalten += spalte(QStringLiteral("<abbr title=\"Lauf %1\">L%1</abbr>").arg(k), kZahl);
    layout.spalten += spalte(QStringLiteral("Gesamt"), kZahl);
    layout.cupTitel = [&](int v) { return webtext(cup.cv.cell(0, v)); };
    layout.zeile = [&](QString& html, const Listenzeile& zeile) {
        laeuferzellen(html, daten, zeile);
        html += daten.wertungszellen(n, zeile.p);
        zahlzelle(html, zeile.wert);
        html += QStringLiteral("</tr>\n");
    };
    layout.leer = QStringLiteral("<p>Niemand ist in einer Wertung des Cups.</p>\n");
    anhaengen(seite, {seitenanfang(rahmen), u"<h1>", titel, u"</h1>\n<p>", webtext(cup.name), u"</p>\n"});
    gruppentabellen(seite, listen, layout);
    seite += seitenende(daten.veroeffentlicht());
}

} // namespace

QString ergebniszelle(const QString& ergebnis) {
    return webtext(abk2volltext(ergebnis));
}

QString laufTitel(const Seitendaten& daten, int k) {
    return webtext(QStringLiteral("Lauf ") + daten.cup().laufe.cell(k, kLaufnummer) +
                   QStringLiteral(" am ") + daten.cup().laufe.cell(k, kDatum));
}

QString blaettern(int k, int r, QString (*seite)(int), const QString& vor) {
    QString links;
    if (k > 1) links += weblink(seite(k - 1), QStringLiteral("« %1 %2").arg(vor).arg(k - 1));
    if (k < r) links += u' ' + weblink(seite(k + 1), QStringLiteral("%1 %2 »").arg(vor).arg(k + 1));
    return links.trimmed();
}

QString cupImLauf(const TCupContent& cup, int k, int v) {
    const QString& strecke = cup.cv.cell(cup.laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : 2, v);
    return webtext(strecke.isEmpty() ? cup.cv.cell(0, v)
                                     : cup.cv.cell(0, v) + QStringLiteral(" (") + strecke + u')');
}

void Abschnitte::tabelle(QString& html, int cvZeile, const QString& caption,
                         const QString& spalten) {
    if (cvZeile != m_offen) {
        ende(html);
        m_offen = cvZeile;
        if (m_offen > 0)
            html += QStringLiteral("<section>\n<h2>") + m_cupTitel(m_offen) + QStringLiteral("</h2>\n");
    }
    tabellenanfang(html, QStringLiteral("liste"), caption, spalten);
}

void Abschnitte::ende(QString& html) {
    if (m_offen > 0) html += QStringLiteral("</section>\n");
    m_offen = 0;
}

void gruppentabellen(QString& html, const Listen& listen, const Listenlayout& layout) {
    if (listen.empty()) {
        html += layout.leer;
        return;
    }
    Abschnitte abschnitte(layout.cupTitel);
    for (const Gruppenliste& liste : listen) {
        abschnitte.tabelle(html, liste.gruppe->cvZeile, liste.gruppe->titel, layout.spalten);
        for (const Listenzeile& zeile : liste.zeilen)
            layout.zeile(html, zeile);
        tabellenende(html);
    }
    abschnitte.ende(html);
}

void schreibeLaufseiten(const Seitendaten& daten, Ablage& ablegen) {
    for (int k = 1; k <= daten.laeufe(); ++k) {
        const Listen listen = daten.laufergebnis(k);
        ablegen.seite(datei::lauf(k), [&](QString& seite) { laufseite(seite, daten, k, listen); });
        ablegen(datei::laufTabelle(k), laufergebnisTabelle(daten, listen, k));
    }
}

void schreibeStandseiten(const Seitendaten& daten, Ablage& ablegen) {
    const int r = daten.laeufe();
    for (int n = 1; n <= r; ++n) {
        const Listen listen = daten.gesamtstand(n);
        const QString nav = blaettern(n, r, datei::standNachLauf, QStringLiteral("Stand nach Lauf")) +
                            u' ' + weblink(datei::lauf(n), QStringLiteral("Ergebnisse Lauf %1").arg(n));
        ablegen.seite(datei::standNachLauf(n),
                      [&](QString& seite) { standseite(seite, daten, n, listen, nav); });
        if (n == r) {
            // The standing after the last race is the current one, also under a name of its own.
            ablegen(datei::kGesamtwertungTabelle, gesamtstandTabelle(daten, listen, n));
            ablegen.seite(datei::kGesamtwertung,
                          [&](QString& seite) { standseite(seite, daten, n, listen, QString()); });
        }
    }
}

} // namespace rzv
