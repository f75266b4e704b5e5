#include "app/cuppopups.h"

#include "app/cuptab.h"
#include "app/gridview.h"
#include "app/menubuilder.h"
#include "app/tw.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_ag.h"
#include "dialogs/tbea_cup.h"
#include "dialogs/tbea_pv.h"

namespace rzv {

namespace {

void popupAtView(GridView* view, QMenu* menu) {
    QObject::connect(view, &GridView::contextMenuWanted, menu,
                     [menu](const QPoint& at) { menu->popup(at); });
}

} // namespace

CupPopups::CupPopups(Tw& w) : QObject(&w), m_w(w) {
    using P = CupPopups;
    ag_pop = new QMenu(&w);
    ag_pop_h =
        addEntry(ag_pop, QStringLiteral("Altersgruppe &hinzufügen"), this, &P::ag_pop_hClick);
    ag_pop_b = addEntry(ag_pop, QStringLiteral("Altergruppe &bearbeiten"), this, &P::ag_pop_bClick);
    ag_pop->addSeparator();
    ag_pop_l = addEntry(ag_pop, QStringLiteral("Altersgruppe &löschen"), this, &P::ag_pop_lClick);

    cv_pop = new QMenu(&w);
    cv_pop_h =
        addEntry(cv_pop, QStringLiteral("Cup-Variation &hinzufügen"), this, &P::cv_pop_hClick);
    cv_pop_b =
        addEntry(cv_pop, QStringLiteral("Cup-Variation &bearbeiten"), this, &P::cv_pop_bClick);
    cv_pop->addSeparator();
    cv_pop_l = addEntry(cv_pop, QStringLiteral("Cup-Variation &löschen"), this, &P::cv_pop_lClick);

    pv_pop = new QMenu(&w);
    pv_pop_h = addEntry(pv_pop, QStringLiteral("Punktezahl &hinzufügen"), this, &P::pv_pop_hClick);
    pv_pop->addSeparator();
    pv_pop_l = addEntry(pv_pop, QStringLiteral("Punktezahl &löschen"), this, &P::pv_pop_lClick);

    connect(ag_pop, &QMenu::aboutToShow, this, &P::ag_popPopup);
    connect(cv_pop, &QMenu::aboutToShow, this, &P::cv_popPopup);
    connect(pv_pop, &QMenu::aboutToShow, this, &P::pv_popPopup);
    popupAtView(w.cupTab->ag, ag_pop);
    popupAtView(w.cupTab->cv, cv_pop);
    popupAtView(w.cupTab->pv, pv_pop);
}

void CupPopups::ag_popPopup() {
    const bool onGroup = m_w.cupTab->ag->currentRow() >= 1;
    ag_pop_b->setEnabled(onGroup);
    ag_pop_l->setEnabled(onGroup);
    ag_pop_h->setEnabled(m_w.cup.ag.rowCount() <= kMaxAltersgruppen);
}

void CupPopups::cv_popPopup() {
    const bool onVariation = m_w.cupTab->cv->currentRow() != 0;
    cv_pop_b->setEnabled(onVariation);
    cv_pop_l->setEnabled(onVariation);
}

void CupPopups::pv_popPopup() {
    pv_pop_h->setEnabled(true);
    pv_pop_l->setEnabled(m_w.cupTab->pv->currentRow() != 0);
}

int CupPopups::dataRow(GridView* view) const {
    const int row = view->currentRow();
    return row >= 1 && row < view->grid().rowCount() ? row : 0;
}

void CupPopups::ag_pop_hClick() {
    m_w.dialogs.bea_ag->showAdd();
}

void CupPopups::ag_pop_bClick() {
    if (const int row = dataRow(m_w.cupTab->ag)) m_w.dialogs.bea_ag->showEdit(row);
}

void CupPopups::ag_pop_lClick() {
    if (const int row = dataRow(m_w.cupTab->ag))
        m_w.guarded([&] { agLoeschen(m_w.cup, m_w.prompt(), row); });
}

void CupPopups::cv_pop_hClick() {
    m_w.dialogs.bea_cup->showAdd();
}

void CupPopups::cv_pop_bClick() {
    if (const int row = dataRow(m_w.cupTab->cv)) m_w.dialogs.bea_cup->showEdit(row);
}

void CupPopups::cv_pop_lClick() {
    if (const int row = dataRow(m_w.cupTab->cv))
        m_w.guarded([&] { cvLoeschen(m_w.cup, m_w.prompt(), row); });
}

void CupPopups::pv_pop_hClick() {
    m_w.dialogs.bea_pv->showAdd();
}

void CupPopups::pv_pop_lClick() {
    if (const int row = dataRow(m_w.cupTab->pv))
        m_w.guarded([&] { pvLoeschen(m_w.cup, m_w.prompt(), row); });
}

} // namespace rzv
