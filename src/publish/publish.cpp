#include "publish/publish.h"

#include "cup/ordering.h"
#include "publish/publishfolder.h"
#include "publish/publishtables.h"
#include "publish/sitepages.h"
#include "reports/gesamt.h"
#include "reports/htmlexport.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"
#include "teams/teamrace.h"
#include "teams/teamracereport.h"
#include "teams/teamstandingreport.h"
#include "teams/teamtables.h"

namespace rzv {

QStringList veroeffentlichen(const TCupContent& original, const QString& ordner, int stil,
                             const QDateTime& zeitpunkt,
                             const Mannschaftseinstellungen& mannschaft) {
    TCupContent cup = original; // the reports reorder the participants
    Ausgabe ausgabe;
    ausgabe.setUhr([zeitpunkt] { return zeitpunkt; });
    const auto seite = [&](const QString& navigation) {
        return htmlSeite(ausgabe, cup.veranstalter, stil, navigation).toUtf8();
    };

    PublishFolder folder(ordner);
    const int r = cup.raceCount();
    QList<int> imZiel;
    for (int k = 1; k <= r; ++k) {
        const Laufergebnistabelle lauf = laufergebnisMitTabelle(ausgabe, cup, k);
        imZiel << lauf.imZiel;
        folder.schreiben(datei::lauf(k), seite(laufNavigation(k, r)));
        folder.schreiben(datei::laufTabelle(k), lauf.csv);
        if (k < r) {
            ausgabe_gesamt(ausgabe, cup, k);
            folder.schreiben(datei::standNachLauf(k), seite(standNavigation(k, r)));
        } else {
            // The standing after the last race is the current one, also under a name of its own.
            folder.schreiben(datei::kGesamtwertungTabelle, gesamtstandMitTabelle(ausgabe, cup, k));
            folder.schreiben(datei::standNachLauf(k), seite(standNavigation(k, r)));
            folder.schreiben(datei::kGesamtwertung, seite(uebersichtNavigation()));
        }
    }
    const bool mitMannschaften = r > 0 && Mannschaften(cup, mannschaft).anzahl() > 0;
    for (int k = 1; mitMannschaften && k <= r; ++k) {
        ausgabe_mannschaftswertung(ausgabe, cup, k, mannschaft);
        folder.schreiben(datei::mannschaftLauf(k), seite(mannschaftNavigation(k, r)));
        folder.schreiben(datei::mannschaftLaufTabelle(k),
                         mannschaftswertungTabelle(cup, k, mannschaft));
    }
    if (mitMannschaften) {
        ausgabe_mannschaftsstand(ausgabe, cup, r, mannschaft);
        folder.schreiben(datei::kMannschaftsstand, seite(uebersichtNavigation()));
        folder.schreiben(datei::kMannschaftsstandTabelle,
                         mannschaftsstandTabelle(cup, r, mannschaft));
    }
    // Everybody in name order, as a reader looks them up.
    teilsort(cup, -1, kName);
    ausgabe_teilnehmeralle(ausgabe, cup);
    folder.schreiben(datei::kTeilnehmer, seite(uebersichtNavigation()));
    folder.schreiben(datei::kUebersicht,
                     uebersichtsseite(cup, imZiel, stil, zeitpunkt, mitMannschaften).toUtf8());
    folder.uebernehmen();
    return folder.dateien();
}

} // namespace rzv
