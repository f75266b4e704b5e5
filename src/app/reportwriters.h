#pragma once

#include "app/reportcommands.h"

namespace rzv {

class TCupData;

// The reports of the context menus, each ready to be written into the output sheet.

// Results of race k ("&Statistik dieses Laufes").
ReportWriter laufergebnis(TCupData& cup, int k);
// Cup standing after race k ("&Gesamtstatistik nach diesem Lauf").
ReportWriter gesamtstatistik(TCupData& cup, int k);
// Team ranking of race k ("&Mannschaftswertung dieses Laufes") and team standing after race k
// ("Ma&nnschaftsstand nach diesem Lauf"), with the settings stored beside the cup file.
ReportWriter mannschaftswertungBericht(TCupData& cup, int k);
ReportWriter mannschaftsstandBericht(TCupData& cup, int k);
// Statistics of the participant in row i ("&Teilnehmerstatistik").
ReportWriter teilnehmerstatistik(TCupData& cup, int i);
// Statistics of all participants ("Teilnehmerstatistik - &Alle").
ReportWriter teilnehmerstatistikAlle(TCupData& cup);
// The federation's event report of race k in version 1 or 2.
ReportWriter dlvBericht(TCupData& cup, int k, int version);

} // namespace rzv
