#pragma once

#include "publish/sitedata.h"

#include <QString>
#include <functional>

namespace rzv {

// A result as the pages show it, safe: a valid result as it stands, a result code in full words
// ("nicht angetreten"; a page's cell has no width to cut it to).
QString ergebniszelle(const QString& ergebnis);
// "Lauf 3 am 19.01.2026", safe.
QString laufTitel(const Seitendaten& daten, int k);
// The links to the previous and next of a series of pages ("« Lauf 2", "Lauf 4 »").
QString blaettern(int k, int r, QString (*seite)(int), const QString& vor);
// The heading of cup variation v on a page of race k: its name and its distance or time, safe.
QString cupImLauf(const TCupContent& cup, int k, int v);

// Tables one after the other, those of each cup variation in a section under its heading
// (`cupTitel`, safe): `tabelle` opens a table (a section first when the cup variation changes),
// the caller adds its rows and closes it (tabellenende); `ende` closes the last section.
class Abschnitte {
public:
    explicit Abschnitte(std::function<QString(int cvZeile)> cupTitel)
        : m_cupTitel(std::move(cupTitel)) {}
    void tabelle(QString& html, int cvZeile, const QString& caption, const QString& spalten);
    void ende(QString& html);

private:
    std::function<QString(int)> m_cupTitel;
    int m_offen = 0; // the cup variation whose section is open
};

// The tables of a page that lists runners by group: a section with a heading for each cup
// variation (titled by `cupTitel`), in it a table for each group with its caption, the given
// column headings and one body row per listed runner; `leer` (safe) when nobody is listed.
struct Listenlayout {
    QString spalten;
    std::function<QString(int cvZeile)> cupTitel;
    std::function<void(QString& html, const Listenzeile& zeile)> zeile;
    QString leer;
};
// Appends them to html.
void gruppentabellen(QString& html, const Listen& listen, const Listenlayout& layout);

} // namespace rzv
