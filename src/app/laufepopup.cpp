#include "app/laufepopup.h"

#include "app/certificatecommands.h"
#include "app/gridview.h"
#include "app/menubuilder.h"
#include "app/reportcommands.h"
#include "app/reportwriters.h"
#include "app/tw.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_erg.h"
#include "dialogs/tbea_lauf.h"
#include "dialogs/tteil_wahl.h"

namespace rzv {

LaufePopup::LaufePopup(Tw& w) : QObject(&w), m_w(w) {
    menu = new QMenu(&w);
    laufe_pop_h =
        addEntry(menu, QStringLiteral("Lauf &hinzufügen"), this, &LaufePopup::laufe_pop_hClick);
    laufe_pop_b =
        addEntry(menu, QStringLiteral("Lauf &bearbeiten"), this, &LaufePopup::laufe_pop_bClick);
    menu->addSeparator();
    laufe_pop_l =
        addEntry(menu, QStringLiteral("Lauf &löschen"), this, &LaufePopup::laufe_pop_lClick);
    menu->addSeparator();
    laufe_pop_e = addEntry(menu, QStringLiteral("schnelle &Ergebniseingabe"), this,
                           &LaufePopup::laufe_pop_eClick);
    menu->addSeparator();

    ReportCommands& reports = *w.reports;
    laufe_pop_s = addReportMenu(menu, QStringLiteral("&Statistik dieses Laufes"), reports,
                                [this] { return report(laufergebnis); });
    laufe_pop_d = menu->addMenu(QStringLiteral("&DLV-Bericht dieses Laufes"));
    laufe_pop_d_1 = addReportMenu(
        laufe_pop_d, QStringLiteral("Version &1"), reports, [this] { return dlv(1); },
        WithHtml::no);
    laufe_pop_d_2 = addReportMenu(
        laufe_pop_d, QStringLiteral("Version &2"), reports, [this] { return dlv(2); },
        WithHtml::no);
    laufe_pop_g = addReportMenu(menu, QStringLiteral("&Gesamtstatistik nach diesem Lauf"), reports,
                                [this] { return report(gesamtstatistik); });
    laufe_pop_m = addReportMenu(menu, QStringLiteral("&Mannschaftswertung dieses Laufes"), reports,
                                [this] { return report(mannschaftswertungBericht); });
    laufe_pop_n = addReportMenu(menu, QStringLiteral("Ma&nnschaftsstand nach diesem Lauf"), reports,
                                [this] { return report(mannschaftsstandBericht); });
    menu->addSeparator();

    laufe_pop_u = menu->addMenu(QStringLiteral("&Urkunden drucken"));
    laufe_pop_u_sl = addEntry(laufe_pop_u, QStringLiteral("&Siegerurkunden für diesen Lauf"), this,
                              &LaufePopup::laufe_pop_u_slClick);
    laufe_pop_tl = addEntry(laufe_pop_u, QStringLiteral("&Teilnahmeurkunde ..."), this,
                            &LaufePopup::laufe_pop_tlClick);
    laufe_pop_u_g = addEntry(laufe_pop_u, QStringLiteral("Siegerurkunden für den &Gesamtcup"), this,
                             &LaufePopup::laufe_pop_u_gClick);
    laufe_pop_u_u = addEntry(laufe_pop_u, QStringLiteral("Teilnehmer&urkunde Gesamtcup ..."), this,
                             &LaufePopup::laufe_pop_u_uClick);

    connect(menu, &QMenu::aboutToShow, this, &LaufePopup::laufe_popPopup);
    connect(w.laufe, &GridView::contextMenuWanted, menu,
            [this](const QPoint& at) { menu->popup(at); });
}

void LaufePopup::laufe_popPopup() {
    const int k = race();
    const bool isRace = k > 0;
    const bool withParticipants = isRace && m_w.cup.participantCount() > 0;
    const bool lastRace = k == m_w.cup.raceCount();
    laufe_pop_h->setEnabled(true);
    laufe_pop_b->setEnabled(isRace);
    laufe_pop_l->setEnabled(isRace);
    laufe_pop_e->setEnabled(withParticipants);
    laufe_pop_s.menu->menuAction()->setEnabled(withParticipants);
    laufe_pop_d->menuAction()->setEnabled(withParticipants);
    laufe_pop_g.menu->menuAction()->setEnabled(withParticipants);
    laufe_pop_m.menu->menuAction()->setEnabled(withParticipants);
    laufe_pop_n.menu->menuAction()->setEnabled(withParticipants);
    if (isRace) {
        laufe_pop_u->menuAction()->setEnabled(true);
        laufe_pop_u_g->setEnabled(!withParticipants || lastRace);
        laufe_pop_u_u->setEnabled(!withParticipants || lastRace);
    }
}

int LaufePopup::race() const {
    const int col = m_w.laufe->currentCol();
    return col >= 1 && col <= m_w.cup.raceCount() ? col : 0;
}

int LaufePopup::raceWithParticipants() const {
    return m_w.cup.participantCount() > 0 ? race() : 0;
}

void LaufePopup::laufe_pop_hClick() {
    m_w.dialogs.bea_lauf->showAdd();
}

void LaufePopup::laufe_pop_bClick() {
    if (const int k = race()) m_w.dialogs.bea_lauf->showEdit(k);
}

void LaufePopup::laufe_pop_lClick() {
    if (const int k = race()) m_w.guarded([&] { laufLoeschen(m_w.cup, m_w.prompt(), k); });
}

void LaufePopup::laufe_pop_eClick() {
    if (const int k = raceWithParticipants()) m_w.dialogs.bea_erg->showForRace(k);
}

ReportWriter LaufePopup::report(ReportWriter (*of)(TCupData&, int)) const {
    const int k = raceWithParticipants();
    return k ? of(m_w.cup, k) : ReportWriter();
}

ReportWriter LaufePopup::dlv(int version) const {
    const int k = raceWithParticipants();
    return k ? dlvBericht(m_w.cup, k, version) : ReportWriter();
}

void LaufePopup::laufe_pop_u_slClick() {
    m_w.certificates->siegerurkunde(race());
}

void LaufePopup::laufe_pop_tlClick() {
    m_w.dialogs.teil_wahl->oeffnen(Tteil_wahl::kRaceCaption, m_w.cup.teil);
}

void LaufePopup::laufe_pop_u_gClick() {
    m_w.certificates->gesamtsiegerurkunde(race());
}

void LaufePopup::laufe_pop_u_uClick() {
    m_w.dialogs.teil_wahl->oeffnen(Tteil_wahl::kCupCaption, m_w.cup.teil);
}

} // namespace rzv
