#include "publish/sitepages.h"

#include "publish/siteassets.h"
#include "publish/sitedata.h"
#include "publish/sitehtml.h"

#include <QStringEncoder>

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
QString laeufer(const QString& startnummer, QSet<QString>& vergeben) {
    QString stamm = startnummer;
    for (QChar& c : stamm) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')))
            c = u'_';
    }
    if (stamm.isEmpty()) stamm = QStringLiteral("ohne-nummer");
    QString name = QStringLiteral("teilnehmer-") + stamm;
    for (int n = 2; vergeben.contains(name); ++n)
        name = QStringLiteral("teilnehmer-%1-%2").arg(stamm).arg(n);
    vergeben.insert(name);
    return name + QStringLiteral(".html");
}
} // namespace datei

void Ablage::seite(const QString& name, QStringView html) {
    QStringEncoder utf8(QStringEncoder::Utf8);
    m_utf8.resize(utf8.requiredSpace(html.size())); // keeps the memory of a larger page
    char* ende = utf8.appendToBuffer(m_utf8.data(), html);
    m_utf8.resize(ende - m_utf8.constData());
    m_datei(name, m_utf8);
}

void Ablage::seite(const QString& name, const std::function<void(QString& html)>& schreiben) {
    m_text.truncate(0); // keeps the memory of a larger page
    schreiben(m_text);
    seite(name, m_text);
}

namespace {

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

// A link to a page followed by its table: "Ergebnisse (CSV)".
QString mitTabelle(const QString& seite, const QString& text, const QString& csv) {
    return weblink(seite, text) + QStringLiteral(" (") + weblink(csv, QStringLiteral("CSV")) + u')';
}

QString laeufeTabelle(const Seitendaten& daten) {
    const TCupContent& cup = daten.cup();
    if (daten.laeufe() == 0) return QStringLiteral("<p>Es sind noch keine Läufe eingetragen.</p>\n");
    QString zeilen;
    for (int k = 1; k <= daten.laeufe(); ++k) {
        zeilen += QStringLiteral("<tr>") + zelle(webtext(cup.laufe.cell(k, kLaufnummer)), true) +
                  zelle(webtext(cup.laufe.cell(k, kDatum))) +
                  zelle(mitTabelle(datei::lauf(k), QStringLiteral("Ergebnisse"), datei::laufTabelle(k))) +
                  zelle(weblink(datei::standNachLauf(k), QStringLiteral("nach Lauf %1").arg(k)));
        if (daten.mitMannschaften())
            zeilen += zelle(mitTabelle(datei::mannschaftLauf(k), QStringLiteral("Mannschaften"),
                                       datei::mannschaftLaufTabelle(k)));
        zeilen += zelle(QString::number(daten.imZiel(k)), true) +
                  zelle(webtext(cup.laufe.cell(k, kLauftyp))) +
                  zelle(webtext(streckeOderZeit(cup, k))) + QStringLiteral("</tr>\n");
    }
    QString spalten = spalte(QStringLiteral("Lauf"), kZahl) + spalte(QStringLiteral("Datum")) +
                      spalte(QStringLiteral("Ergebnisse")) + spalte(QStringLiteral("Gesamtstand"));
    if (daten.mitMannschaften()) spalten += spalte(QStringLiteral("Mannschaften"));
    spalten += spalte(QStringLiteral("im Ziel"), kZahl) + spalte(QStringLiteral("Art")) +
               spalte(QStringLiteral("Strecke/Zeit"));
    return tabelle(QStringLiteral("laeufe"), QString(), spalten, zeilen);
}

} // namespace

QString navigation(const Seitendaten& daten, const QString& eigene) {
    QString links = weblink(datei::kUebersicht, QStringLiteral("Übersicht"));
    if (daten.laeufe() > 0) links += u' ' + weblink(datei::kGesamtwertung, QStringLiteral("Gesamtstand"));
    links += u' ' + weblink(datei::kTeilnehmer, QStringLiteral("Teilnehmer"));
    return eigene.isEmpty() ? links : links + u' ' + eigene;
}

QString seitentitel(const Seitendaten& daten, const QString& titel) {
    return titel + QStringLiteral(" – ") + webtext(daten.cup().name);
}

void schreibeGestaltung(const Seitendaten&, Ablage& ablegen) {
    ablegen(datei::kStylesheet, stylesheet());
    ablegen(datei::kSkript, suchskript());
}

void schreibeUebersicht(const Seitendaten& daten, Ablage& ablegen) {
    const TCupContent& cup = daten.cup();
    const Seitenrahmen rahmen{webtext(cup.name), navigation(daten), false, daten.stil()};
    QString seite = seitenanfang(rahmen) + QStringLiteral("<h1>") + webtext(cup.name) +
                    QStringLiteral("</h1>\n<p>") + webtext(cup.veranstalter) +
                    QStringLiteral("</p>\n<h2>Läufe</h2>\n") + laeufeTabelle(daten) +
                    QStringLiteral("<h2>Gesamtstand und Teilnehmer</h2>\n<ul>\n");
    if (daten.laeufe() > 0)
        seite += QStringLiteral("<li>") +
                 mitTabelle(datei::kGesamtwertung, QStringLiteral("Aktueller Gesamtstand"),
                            datei::kGesamtwertungTabelle) +
                 QStringLiteral("</li>\n");
    if (daten.mitMannschaften())
        seite += QStringLiteral("<li>") +
                 mitTabelle(datei::kMannschaftsstand, QStringLiteral("Aktueller Mannschaftsstand"),
                            datei::kMannschaftsstandTabelle) +
                 QStringLiteral("</li>\n");
    seite += QStringLiteral("<li>") + weblink(datei::kTeilnehmer, QStringLiteral("Alle Teilnehmer")) +
             QStringLiteral("</li>\n</ul>\n") + seitenende(daten.veroeffentlicht());
    ablegen.seite(datei::kUebersicht, seite);
}

} // namespace rzv
