#include "publish/sitepages.h"

#include "reports/htmlexport.h"
#include "reports/htmltext.h"

namespace rzv {

namespace datei {
QString lauf(int k) {
    return QStringLiteral("lauf-%1.html").arg(k);
}
QString laufTabelle(int k) {
    return QStringLiteral("lauf-%1.csv").arg(k);
}
QString standNachLauf(int k) {
    return QStringLiteral("gesamt-nach-lauf-%1.html").arg(k);
}
QString mannschaftLauf(int k) {
    return QStringLiteral("mannschaft-lauf-%1.html").arg(k);
}
QString mannschaftLaufTabelle(int k) {
    return QStringLiteral("mannschaft-lauf-%1.csv").arg(k);
}
} // namespace datei

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A link to one of the published files; the text is markup already made safe.
QString link(const QString& datei, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(datei, text);
}

QString navigationszeile(const QStringList& links) {
    return QStringLiteral("<span class=\"t9\">") + links.join(QStringLiteral(" | ")) +
           QStringLiteral("</span><br>");
}

QStringList blaettern(int k, int r, QString (*seite)(int), const QString& vor) {
    QStringList links{link(datei::kUebersicht, QStringLiteral("&Uuml;bersicht"))};
    if (k > 1) links << link(seite(k - 1), QStringLiteral("&laquo; %1 %2").arg(vor).arg(k - 1));
    if (k < r) links << link(seite(k + 1), QStringLiteral("%1 %2 &raquo;").arg(vor).arg(k + 1));
    return links;
}

QString zelle(const QString& inhalt, bool rechts = false) {
    return (rechts ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + inhalt +
           QStringLiteral("</td>");
}

// The fixed distance (timed race) or time (distance race) of race k: the race's own, or that of
// every cup variation.
QString streckeOderZeit(const TCupContent& cup, int k) {
    if (!cup.hasCupVariations()) return cup.laufe.cell(k, kCuplauf);
    const int spalte = cup.laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : 2;
    QStringList teile;
    for (int v = 1; v < cup.cv.rowCount(); ++v)
        teile << cup.cv.cell(0, v) + u' ' + cup.cv.cell(spalte, v);
    return teile.join(QStringLiteral(", "));
}

QString laufzeile(const TCupContent& cup, int k, int imZiel) {
    const TCellGrid& laufe = cup.laufe;
    return QStringLiteral("<tr>") + zelle(htmlText(laufe.cell(k, kLaufnummer)), true) +
           zelle(htmlText(laufe.cell(k, kDatum))) + zelle(htmlText(laufe.cell(k, kLauftyp))) +
           zelle(htmlText(streckeOderZeit(cup, k))) + zelle(QString::number(imZiel), true) +
           zelle(link(datei::lauf(k), QStringLiteral("Ergebnisse")) + QStringLiteral(" (") +
                 link(datei::laufTabelle(k), QStringLiteral("CSV")) + u')') +
           zelle(link(datei::standNachLauf(k), QStringLiteral("nach Lauf %1").arg(k))) +
           QStringLiteral("</tr>");
}

QStringList laeufeTabelle(const TCupContent& cup, const QList<int>& imZiel) {
    if (cup.raceCount() == 0)
        return {QStringLiteral("<span class=\"t10\">Es sind noch keine L&auml;ufe eingetragen.</span><br>")};
    QStringList zeilen{
        QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">"),
        QStringLiteral("<tr><th>Lauf</th><th>Datum</th><th>Art</th><th>Strecke/Zeit</th>"
                       "<th>im Ziel</th><th>Ergebnisse</th><th>Gesamtstand</th></tr>"),
    };
    for (int k = 1; k <= cup.raceCount(); ++k)
        zeilen << laufzeile(cup, k, imZiel.value(k - 1));
    zeilen << QStringLiteral("</table>");
    return zeilen;
}

// The team ranking of every race and the team standing.
QStringList mannschaftsLinks(int r) {
    QStringList laeufe;
    for (int k = 1; k <= r; ++k)
        laeufe << link(datei::mannschaftLauf(k), QStringLiteral("Lauf %1").arg(k)) +
                      QStringLiteral(" (") +
                      link(datei::mannschaftLaufTabelle(k), QStringLiteral("CSV")) + u')';
    return {QStringLiteral("<span class=\"t10\">Mannschaftswertung: ") +
                laeufe.join(QStringLiteral(" | ")) + QStringLiteral("</span><br>"),
            QStringLiteral("<span class=\"t10\">") +
                link(datei::kMannschaftsstand, QStringLiteral("Aktueller Mannschaftsstand")) +
                QStringLiteral(" (") +
                link(datei::kMannschaftsstandTabelle, QStringLiteral("CSV")) +
                QStringLiteral(")</span><br>")};
}

} // namespace

QString laufNavigation(int k, int r) {
    return navigationszeile(blaettern(k, r, datei::lauf, QStringLiteral("Lauf"))
                            << link(datei::standNachLauf(k),
                                    QStringLiteral("Gesamtstand nach Lauf %1").arg(k)));
}

QString standNavigation(int k, int r) {
    return navigationszeile(blaettern(k, r, datei::standNachLauf, QStringLiteral("Stand nach Lauf"))
                            << link(datei::lauf(k), QStringLiteral("Ergebnisse Lauf %1").arg(k)));
}

QString mannschaftNavigation(int k, int r) {
    return navigationszeile(
        blaettern(k, r, datei::mannschaftLauf, QStringLiteral("Mannschaften Lauf"))
        << link(datei::lauf(k), QStringLiteral("Ergebnisse Lauf %1").arg(k)));
}

QString uebersichtNavigation() {
    return navigationszeile({link(datei::kUebersicht, QStringLiteral("&Uuml;bersicht"))});
}

QString uebersichtsseite(const TCupContent& cup, const QList<int>& imZiel, int stil,
                         const QDateTime& veroeffentlicht, bool mitMannschaften) {
    QStringList zeilen{
        QStringLiteral("<span class=\"t14\"><b>") + htmlText(cup.veranstalter) +
            QStringLiteral("</b></span><br>"),
        QStringLiteral("<span class=\"t14\">") + htmlText(cup.name) + QStringLiteral("</span><br>"),
        QStringLiteral(" <br>"),
        QStringLiteral("<span class=\"t12\"><b>L&auml;ufe</b></span><br>"),
    };
    zeilen += laeufeTabelle(cup, imZiel);
    zeilen << QStringLiteral(" <br>");
    if (cup.raceCount() > 0)
        zeilen << QStringLiteral("<span class=\"t10\">") +
                      link(datei::kGesamtwertung, QStringLiteral("Aktueller Gesamtstand")) +
                      QStringLiteral(" (") +
                      link(datei::kGesamtwertungTabelle, QStringLiteral("CSV")) +
                      QStringLiteral(")</span><br>");
    if (mitMannschaften) zeilen += mannschaftsLinks(cup.raceCount());
    zeilen << QStringLiteral("<span class=\"t10\">") +
                  link(datei::kTeilnehmer, QStringLiteral("Statistik aller Teilnehmer")) +
                  QStringLiteral("</span><br>")
           << QStringLiteral(" <br>")
           << QStringLiteral("<span class=\"t9\">Ver&ouml;ffentlicht am %1 um %2 Uhr.</span><br>")
                  .arg(veroeffentlicht.toString(QStringLiteral("dd.MM.yyyy")),
                       veroeffentlicht.toString(QStringLiteral("HH:mm")));
    return htmlSeitenkopf(htmlBlanks(htmlText(cup.name)), cup.veranstalter, stil) +
           zeilen.join(kCrLf) + kCrLf + htmlSeitenfuss();
}

} // namespace rzv
