// The list of all participants and each runner's own page.
#include "cup/textjoin.h"
#include "publish/listpages.h"
#include "publish/sitehtml.h"
#include "publish/sitepages.h"

#include <QUrl>

namespace rzv {

namespace {

const QString kZeilenende = QStringLiteral("</tr>\n");

void teilnehmerliste(QString& seite, const Seitendaten& daten) {
    const TCupContent& cup = daten.cup();
    const bool mitCup = cup.hasCupVariations();
    const Seitenrahmen rahmen{seitentitel(daten, QStringLiteral("Alle Teilnehmer")),
                              navigation(daten), true, daten.stil()};
    Listenlayout layout;
    layout.spalten = spalte(QStringLiteral("Name")) + spalte(QStringLiteral("Jahrgang"), kJahrgang) +
                     spalte(QStringLiteral("Verein")) + spalte(QStringLiteral("Altersgruppe"));
    if (mitCup) layout.spalten += spalte(QStringLiteral("Cup"));
    for (int k = 1; k <= daten.laeufe(); ++k)
        layout.spalten += spalte(QStringLiteral("<abbr title=\"Lauf %1\">L%1</abbr>").arg(k), kZahl);
    layout.cupTitel = [&](int v) { return webtext(cup.cv.cell(0, v)); };
    layout.zeile = [&](QString& html, const Listenzeile& zeile) {
        const Laeufer& l = daten.laeufer(zeile.p);
        html += QStringLiteral("<tr>");
        html += l.zellen;
        html += zelle(l.altersgruppe);
        if (mitCup) html += zelle(l.cupVariation);
        for (int k = 1; k <= daten.laeufe(); ++k)
            html += zelle(ergebniszelle(daten.ergebnis(k, zeile.p)), true);
        html += kZeilenende;
    };
    layout.leer = QStringLiteral("<p>Es sind noch keine Teilnehmer eingetragen.</p>\n");
    anhaengen(seite, {seitenanfang(rahmen), u"<h1>Alle Teilnehmer</h1>\n<p>", webtext(cup.name), u"</p>\n"});
    gruppentabellen(seite, daten.alle(), layout);
    seite += seitenende(daten.veroeffentlicht());
}

// A link that opens a list page filtered to this runner's name.
QString gefiltert(const QString& seite, const QString& suchtext, const QString& text) {
    return QStringLiteral("<a href=\"%1?suche=%2\">%3</a>")
        .arg(seite, QString::fromLatin1(QUrl::toPercentEncoding(suchtext)), text);
}

QString standAbsatz(const Seitendaten& daten, int p, const QString& suchtext) {
    const Endstand& stand = daten.endstand(p);
    if (daten.laeufe() == 0) return QStringLiteral("<p>Es sind noch keine Läufe eingetragen.</p>\n");
    if (!stand.gelistet)
        return QStringLiteral("<p>Nicht im Gesamtstand: die Altersgruppe gehört zu keiner Wertung "
                              "des Cups.</p>\n");
    const QString link = gefiltert(datei::kGesamtwertung, suchtext, QStringLiteral("Gesamtstand"));
    if (stand.unterMinimum)
        return QStringLiteral("<p>Noch ohne Platz im %1: gewertet wird ab %2 Läufen, bisher %3.</p>\n")
            .arg(link, QString::number(daten.cup().min),
                 QString::number(daten.verlauf().teilnahmen(daten.laeufe(), p)));
    return QStringLiteral("<p>Platz %1 im %2 mit %3 Punkten.</p>\n")
        .arg(QString::number(stand.platz), link, stand.summe);
}

// What all runners' pages share: the navigation, the foot and the headings of the races' table.
struct Laeuferseiten {
    QString navigation;
    QString ende;
    QString spalten;
};

QString laeuferseite(const Seitendaten& daten, const Laeuferseiten& gemeinsam, int p) {
    const TCupContent& cup = daten.cup();
    const Laeufer& l = daten.laeufer(p);
    const Seitenrahmen rahmen{seitentitel(daten, l.vollerName), gemeinsam.navigation, false, daten.stil()};
    const QString suchtext = cup.teil.cell(kName, p) + QStringLiteral(", ") + cup.teil.cell(kVorname, p);
    QString seite = seitenanfang(rahmen);
    seite.reserve(seite.size() + 1200 + 300 * daten.laeufe());
    anhaengen(seite, {u"<h1>", l.vollerName, u"</h1>\n<dl>\n<dt>Verein</dt><dd>", l.verein,
                      u"</dd>\n<dt>Jahrgang</dt><dd>", l.jahrgang, u"</dd>\n<dt>Altersgruppe</dt><dd>",
                      l.altersgruppe, u"</dd>\n<dt>Startnummer</dt><dd>", l.startnummer, u"</dd>\n"});
    if (cup.hasCupVariations()) anhaengen(seite, {u"<dt>Cup</dt><dd>", l.cupVariation, u"</dd>\n"});
    anhaengen(seite, {u"</dl>\n<h2>Gesamtstand</h2>\n", standAbsatz(daten, p, suchtext)});
    if (daten.laeufe() > 0) {
        anhaengen(seite, {u"<h2>Ergebnisse</h2>\n"});
        tabellenanfang(seite, QStringLiteral("laeufe"), QString(), gemeinsam.spalten);
        const QString suche = QString::fromLatin1(QUrl::toPercentEncoding(suchtext));
        for (int k = 1; k <= daten.laeufe(); ++k) {
            const QString& ergebnis = daten.ergebnis(k, p);
            anhaengen(seite, {u"<tr><td class=\"z\"><a href=\"", datei::lauf(k), u"?suche=", suche,
                              u"\">", webtext(cup.laufe.cell(k, kLaufnummer)), u"</a></td><td>",
                              webtext(cup.laufe.cell(k, kDatum)), u"</td><td class=\"z\">",
                              ergebnis.isEmpty() ? QStringLiteral("nicht gemeldet") : ergebniszelle(ergebnis),
                              u"</td>"});
            if (daten.verlauf().gewertet(k, p))
                anhaengen(seite, {u"<td class=\"z\">", QString::number(daten.platz(k, p)),
                                  u"</td><td class=\"z\">", daten.wertung(k, p), u"</td></tr>\n"});
            else
                anhaengen(seite, {u"<td colspan=\"2\">ohne Platz und Punkte</td></tr>\n"});
        }
        tabellenende(seite);
    }
    seite += gemeinsam.ende;
    return seite;
}

} // namespace

void schreibeTeilnehmerseiten(const Seitendaten& daten, Ablage& ablegen) {
    ablegen.seite(datei::kTeilnehmer, [&](QString& seite) { teilnehmerliste(seite, daten); });
    const Laeuferseiten gemeinsam{
        navigation(daten),
        seitenende(daten.veroeffentlicht()),
        spalte(QStringLiteral("Lauf"), kZahl) + spalte(QStringLiteral("Datum")) +
            spalte(QStringLiteral("Ergebnis"), kZahl) + spalte(QStringLiteral("Platz"), kZahl) +
            spalte(QStringLiteral("Punkte"), kZahl)};
    for (int p = 1; p <= daten.teilnehmer(); ++p)
        ablegen.seite(daten.laeufer(p).datei, laeuferseite(daten, gemeinsam, p));
}

} // namespace rzv
