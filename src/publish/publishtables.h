#pragma once

#include "publish/sitedata.h"

#include <QByteArray>

namespace rzv {

// The results of race k as a spreadsheet table ([Cup;] Altersgruppe; Platz; Name; Vorname;
// Verein; Ergebnis; Punkte): place and result as the report shows them, but a result code in full
// words ("nicht angetreten": a table's cell has no width to cut it to), the points the race gives
// towards the cup.
QByteArray laufergebnisTabelle(const Seitendaten& daten, const Listen& listen, int k);

// The standing after race n as a spreadsheet table ([Cup;] Altersgruppe; Platz; Name; Vorname;
// Jahrgang; Verein; Lauf 1 ... Lauf n; Gesamt): place and total as the report shows them, the
// points of every race that count towards the total.
QByteArray gesamtstandTabelle(const Seitendaten& daten, const Listen& listen, int n);

} // namespace rzv
