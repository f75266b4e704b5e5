#include "app/reportwriters.h"

#include "cup/cupdata.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "teams/teamracereport.h"
#include "teams/teamsettings.h"
#include "teams/teamstandingreport.h"

namespace rzv {

ReportWriter laufergebnis(TCupData& cup, int k) {
    return [&cup, k](Ausgabe& ausgabe) { ausgabe_laufergebnis(ausgabe, cup, k); };
}

ReportWriter gesamtstatistik(TCupData& cup, int k) {
    return [&cup, k](Ausgabe& ausgabe) { ausgabe_gesamt(ausgabe, cup, k); };
}

ReportWriter mannschaftswertungBericht(TCupData& cup, int k) {
    return [&cup, k](Ausgabe& ausgabe) {
        ausgabe_mannschaftswertung(ausgabe, cup, k, ladeMannschaftseinstellungen(cup.fileName));
    };
}

ReportWriter mannschaftsstandBericht(TCupData& cup, int k) {
    return [&cup, k](Ausgabe& ausgabe) {
        ausgabe_mannschaftsstand(ausgabe, cup, k, ladeMannschaftseinstellungen(cup.fileName));
    };
}

ReportWriter teilnehmerstatistik(TCupData& cup, int i) {
    return [&cup, i](Ausgabe& ausgabe) { ausgabe_teilnehmer(ausgabe, cup, i); };
}

ReportWriter teilnehmerstatistikAlle(TCupData& cup) {
    return [&cup](Ausgabe& ausgabe) { ausgabe_teilnehmeralle(ausgabe, cup); };
}

ReportWriter dlvBericht(TCupData& cup, int k, int version) {
    return [&cup, k, version](Ausgabe& ausgabe) {
        if (version == 1)
            ausgabe_dlv(ausgabe, cup, k);
        else
            ausgabe_dlv_2(ausgabe, cup, k);
    };
}

} // namespace rzv
