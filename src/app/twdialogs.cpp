#include "app/tw.h"

#include "app/certificatecommands.h"
#include "app/gridview.h"

#include "dialogs/tbea_ag.h"
#include "dialogs/tbea_cup.h"
#include "dialogs/tbea_erg.h"
#include "dialogs/tbea_lauf.h"
#include "dialogs/tbea_pv.h"
#include "dialogs/tbea_teil.h"
#include "dialogs/thtml.h"
#include "dialogs/tmannschaft.h"
#include "dialogs/tteil_wahl.h"
#include "dialogs/tuberrzv.h"
#include "dialogs/turkunden.h"

namespace rzv {

// All dialogs of the program, created once in this order and afterwards only shown and hidden.
void Tw::createDialogs() {
    dialogs.uberrzv = new Tuberrzv(*m_prompt, this);
    dialogs.bea_lauf = new Tbea_lauf(cup, *m_prompt, this);
    dialogs.bea_cup = new Tbea_cup(cup, *m_prompt, this);
    dialogs.bea_teil = new Tbea_teil(cup, *m_prompt, this);
    dialogs.bea_ag = new Tbea_ag(cup, *m_prompt, this);
    dialogs.bea_erg = new Tbea_erg(cup, *m_prompt, this);
    dialogs.bea_pv = new Tbea_pv(cup, *m_prompt, this);
    // Fast result entry shows the participant it found selected in the participant table.
    connect(dialogs.bea_erg, &Tbea_erg::participantFound, this,
            [this](int row) { teil->setCurrentCell(teil->currentCol(), row); });
    dialogs.html = new Thtml(cup, *m_prompt, this);
    dialogs.urkunden = new Turkunden(cup, this);
    dialogs.teil_wahl = new Tteil_wahl(this);
    dialogs.mannschaft = new Tmannschaft(cup, *m_prompt, this);
    // The chosen participant's certificate, for the race selected at the moment of the choice.
    connect(dialogs.teil_wahl, &Tteil_wahl::raceCertificateChosen, this,
            [this](const QString& startNumber) {
                certificates->teilnehmerurkunde(laufe->currentCol(), startNumber);
            });
    connect(dialogs.teil_wahl, &Tteil_wahl::cupCertificateChosen, this,
            [this](const QString& startNumber) {
                certificates->gesamtteilnehmerurkunde(laufe->currentCol(), startNumber);
            });
}

void Tw::destroyDialogs() {
    const QList<QWidget*> all{dialogs.uberrzv,   dialogs.bea_lauf,  dialogs.bea_cup,
                              dialogs.bea_teil,  dialogs.bea_ag,    dialogs.bea_erg,
                              dialogs.bea_pv,    dialogs.html,      dialogs.urkunden,
                              dialogs.teil_wahl, dialogs.mannschaft};
    qDeleteAll(all);
    dialogs = {};
}

} // namespace rzv
