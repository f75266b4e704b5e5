#pragma once

#include "teams/teamrace.h"
#include "teams/teamstanding.h"

#include <QByteArray>

namespace rzv {

// The team rankings as spreadsheet tables (see CsvTabelle), one row per counted runner so that a
// spreadsheet can filter them: [Cup;] Wertung; Platz; Verein; Summe; Name; Vorname; Ergebnis.
// A team with fewer results than the team size has no place and "nicht gewertet" as its sum.
// `lauf` is the team ranking of race k.
QByteArray mannschaftswertungTabelle(const TCupContent& cup, int k, const Mannschaften& mannschaften,
                                     const Mannschaftslauf& lauf);

// The team standing after race n, one row per team: [Cup;] Wertung; Platz; Verein; Läufe;
// Lauf 1 ... Lauf n (points or place of each race the team was ranked in); Gesamt ("---" below
// the minimum).
QByteArray mannschaftsstandTabelle(const TCupContent& cup, int n, const Mannschaften& mannschaften,
                                   const Mannschaftsstand& stand);

} // namespace rzv
