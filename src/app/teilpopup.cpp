#include "app/teilpopup.h"

#include "app/gridview.h"
#include "app/importcommand.h"
#include "app/menubuilder.h"
#include "app/reportcommands.h"
#include "app/reportwriters.h"
#include "app/tw.h"
#include "cup/ordering.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_erg.h"
#include "dialogs/tbea_teil.h"

namespace rzv {

TeilPopup::TeilPopup(Tw& w) : QObject(&w), m_w(w) {
    using P = TeilPopup;
    menu = new QMenu(&w);
    teil_pop_h =
        addEntry(menu, QStringLiteral("Teilnehmer &hinzufügen"), this, &P::teil_pop_hClick);
    teil_pop_b =
        addEntry(menu, QStringLiteral("Teilnehmer &bearbeiten"), this, &P::teil_pop_bClick);
    menu->addSeparator();
    teil_pop_l = addEntry(menu, QStringLiteral("Teilnehmer &löschen"), this, &P::teil_pop_lClick);
    menu->addSeparator();
    teil_pop_e =
        addEntry(menu, QStringLiteral("schnelle &Ergebniseingabe"), this, &P::teil_pop_eClick);
    teil_pop_i =
        addEntry(menu, QStringLiteral("Ergebnisse &importieren …"), this, &P::teil_pop_iClick);
    menu->addSeparator();
    ReportCommands& reports = *w.reports;
    teil_pop_t = addReportMenu(menu, QStringLiteral("&Teilnehmerstatistik"), reports, [this] {
        const int i = participant();
        return i ? teilnehmerstatistik(m_w.cup, i) : ReportWriter();
    });
    teil_pop_a =
        addReportMenu(menu, QStringLiteral("Teilnehmerstatistik - &Alle"), reports, [this] {
            return m_w.cup.participantCount() > 0 ? teilnehmerstatistikAlle(m_w.cup)
                                                  : ReportWriter();
        });
    teil_pop_s = addReportMenu(menu, QStringLiteral("&Statistik dieses Laufes"), reports,
                               [this] { return raceReport(laufergebnis); });
    teil_pop_g = addReportMenu(menu, QStringLiteral("&Gesamtstatistik nach diesem Lauf"), reports,
                               [this] { return raceReport(gesamtstatistik); });
    teil_pop_m = addReportMenu(menu, QStringLiteral("&Mannschaftswertung dieses Laufes"), reports,
                               [this] { return raceReport(mannschaftswertungBericht); });
    teil_pop_n = addReportMenu(menu, QStringLiteral("Ma&nnschaftsstand nach diesem Lauf"), reports,
                               [this] { return raceReport(mannschaftsstandBericht); });
    menu->addSeparator();
    teil_pop_p = menu->addMenu(QStringLiteral("Sortieren nach dieser S&palte"));
    teil_pop_p_s =
        addEntry(teil_pop_p, QStringLiteral("auf&steigend"), this, &P::teil_pop_p_sClick);
    teil_pop_p_f = addEntry(teil_pop_p, QStringLiteral("ab&fallend"), this, &P::teil_pop_p_fClick);

    connect(menu, &QMenu::aboutToShow, this, &TeilPopup::teil_popPopup);
    connect(w.teil, &GridView::contextMenuWanted, menu,
            [this](const QPoint& at) { menu->popup(at); });
}

void TeilPopup::teil_popPopup() {
    const bool onParticipant = m_w.teil->currentRow() != 0;
    const bool onRace = m_w.teil->currentCol() >= kErstesErgebnis && m_w.cup.participantCount() > 0;
    teil_pop_h->setEnabled(true);
    teil_pop_b->setEnabled(onParticipant);
    teil_pop_l->setEnabled(onParticipant);
    teil_pop_t.menu->menuAction()->setEnabled(onParticipant);
    teil_pop_a.menu->menuAction()->setEnabled(onParticipant);
    teil_pop_e->setEnabled(onRace);
    // Importing results can also bring the participants, so the cup may still have none.
    teil_pop_i->setEnabled(raceColumn() != 0);
    teil_pop_s.menu->menuAction()->setEnabled(onRace);
    teil_pop_g.menu->menuAction()->setEnabled(onRace);
    teil_pop_m.menu->menuAction()->setEnabled(onRace);
    teil_pop_n.menu->menuAction()->setEnabled(onRace);
    teil_pop_p->menuAction()->setEnabled(true);
}

int TeilPopup::participant() const {
    const int row = m_w.teil->currentRow();
    return row >= 1 && row <= m_w.cup.participantCount() ? row : 0;
}

int TeilPopup::raceColumn() const {
    const int k = m_w.teil->currentCol() - (kErstesErgebnis - 1);
    return k >= 1 && k <= m_w.cup.raceCount() ? k : 0;
}

int TeilPopup::race() const {
    return m_w.cup.participantCount() > 0 ? raceColumn() : 0;
}

void TeilPopup::teil_pop_hClick() {
    m_w.dialogs.bea_teil->showAdd();
}

void TeilPopup::teil_pop_bClick() {
    if (const int i = participant()) m_w.dialogs.bea_teil->showEdit(i);
}

void TeilPopup::teil_pop_lClick() {
    if (const int i = participant()) m_w.guarded([&] { teilLoeschen(m_w.cup, m_w.prompt(), i); });
}

void TeilPopup::teil_pop_eClick() {
    if (const int k = race()) m_w.dialogs.bea_erg->showForRace(k);
}

void TeilPopup::teil_pop_iClick() {
    if (const int k = raceColumn()) importieren(m_w, k);
}

ReportWriter TeilPopup::raceReport(ReportWriter (*of)(TCupData&, int)) const {
    const int k = race();
    return k ? of(m_w.cup, k) : ReportWriter();
}

void TeilPopup::teil_pop_p_sClick() {
    sortByCurrentColumn(-1);
}
void TeilPopup::teil_pop_p_fClick() {
    sortByCurrentColumn(1);
}

void TeilPopup::sortByCurrentColumn(int direction) {
    const int column = m_w.teil->currentCol();
    m_w.guarded([&] {
        // Name order first, so that equal values stand in name order (every ordering is stable).
        teilsort(m_w.cup, direction, kName);
        if (column != kName) teilsort(m_w.cup, direction, column);
    });
    m_w.cup.notifyTablesChanged();
}

} // namespace rzv
