#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <functional>

namespace rzv {

class Seitendaten;

// The plain, stable file names of a published cup, so that a website linking to them keeps
// working after the next publishing.
namespace datei {
inline const QString kUebersicht = QStringLiteral("index.html");
inline const QString kGesamtwertung = QStringLiteral("gesamtwertung.html");
inline const QString kGesamtwertungTabelle = QStringLiteral("gesamtwertung.csv");
inline const QString kTeilnehmer = QStringLiteral("teilnehmer.html");
inline const QString kStylesheet = QStringLiteral("stil.css");
inline const QString kSkript = QStringLiteral("suche.js");
QString lauf(int k);           // lauf-K.html: the results of race k
QString laufTabelle(int k);    // lauf-K.csv
QString standNachLauf(int k);  // gesamt-nach-lauf-K.html: the standing after race k
// The team rankings, when the cup has teams.
inline const QString kMannschaftsstand = QStringLiteral("mannschaftswertung.html");
inline const QString kMannschaftsstandTabelle = QStringLiteral("mannschaftswertung.csv");
QString mannschaftLauf(int k);        // mannschaft-lauf-K.html: the team ranking of race k
QString mannschaftLaufTabelle(int k); // mannschaft-lauf-K.csv
// teilnehmer-SN.html: a runner's page, named by the start number (letters and digits kept,
// anything else "_"; "ohne-nummer" without one); a name given already gets "-2", "-3", ...
QString laeufer(const QString& startnummer, QSet<QString>& vergeben);
} // namespace datei

// Takes the files of the site: tables as bytes, pages as text, which goes out as UTF-8. The pages
// of a large cup are megabytes each, and fresh memory for each costs more than writing it, so
// a large page is written into a text kept from page to page, and every page encoded into bytes
// kept the same way.
class Ablage {
public:
    using Datei = std::function<void(const QString& name, const QByteArray& bytes)>;
    explicit Ablage(Datei datei) : m_datei(std::move(datei)) {}

    void operator()(const QString& name, const QByteArray& bytes) { m_datei(name, bytes); }
    void seite(const QString& name, QStringView html);
    // The page that `schreiben` appends to an empty text.
    void seite(const QString& name, const std::function<void(QString& html)>& schreiben);

private:
    Datei m_datei;
    QString m_text;
    QByteArray m_utf8;
};

// The kinds of files of the site, each written by one function. The overview goes last: it is
// what a reader opens, so it is only replaced once everything it links to is there.
void schreibeGestaltung(const Seitendaten& daten, Ablage& ablegen);   // stylesheet, script
void schreibeLaufseiten(const Seitendaten& daten, Ablage& ablegen);   // results and tables
void schreibeStandseiten(const Seitendaten& daten, Ablage& ablegen);  // standings
void schreibeMannschaftsseiten(const Seitendaten& daten, Ablage& ablegen); // teams, tables
void schreibeTeilnehmerseiten(const Seitendaten& daten, Ablage& ablegen); // list, runners
void schreibeUebersicht(const Seitendaten& daten, Ablage& ablegen);   // index.html

// The navigation of the pages: the overview, the current standing (when there are races) and
// the list of all participants, then the page's own links (safe markup).
QString navigation(const Seitendaten& daten, const QString& eigene = QString());

// A page's title (safe) followed by the cup's name.
QString seitentitel(const Seitendaten& daten, const QString& titel);

} // namespace rzv
