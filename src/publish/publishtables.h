#pragma once

#include "cup/cupdata.h"

#include <QByteArray>

namespace rzv {

class Ausgabe;

// The results of race k written into the sheet, and the same lines as a spreadsheet table
// ([Cup;] Altersgruppe; Platz; Name; Vorname; Verein; Ergebnis; Punkte): place and result as the
// report shows them, but a result code in full words ("nicht angetreten": a table's cell has no
// width to cut it to), the points the race gives towards the cup. Also counts the finishers (the
// listed participants with a valid result).
struct Laufergebnistabelle {
    QByteArray csv;
    int imZiel = 0;
};
Laufergebnistabelle laufergebnisMitTabelle(Ausgabe& ausgabe, TCupContent& cup, int k);

// The standing after race n written into the sheet, and the same lines as a spreadsheet table
// ([Cup;] Altersgruppe; Platz; Name; Vorname; Jahrgang; Verein; Lauf 1 ... Lauf n; Gesamt): place
// and total as the report shows them, the points of every race that count towards the total.
QByteArray gesamtstandMitTabelle(Ausgabe& ausgabe, TCupContent& cup, int n);

} // namespace rzv
