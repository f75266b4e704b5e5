#pragma once

#include "app/menubuilder.h"

#include <QObject>

class QAction;
class QMenu;

namespace rzv {

class TCupData;
class Tw;

// The context menu of the race table. Its entries act on the race of the table's current
// column; which are enabled is decided each time the menu opens.
class LaufePopup : public QObject {
    Q_OBJECT
public:
    explicit LaufePopup(Tw& w);

    QMenu* menu;
    QAction* laufe_pop_h;
    QAction* laufe_pop_b;
    QAction* laufe_pop_l;
    QAction* laufe_pop_e;
    ReportEntries laufe_pop_s;
    QMenu* laufe_pop_d;
    ReportEntries laufe_pop_d_1;
    ReportEntries laufe_pop_d_2;
    ReportEntries laufe_pop_g;
    ReportEntries laufe_pop_m; // the team ranking of the race
    ReportEntries laufe_pop_n; // the team standing after the race
    QMenu* laufe_pop_u;
    QAction* laufe_pop_u_sl;
    QAction* laufe_pop_tl;
    QAction* laufe_pop_u_g;
    QAction* laufe_pop_u_u;

    // The enabling rules for the current cell.
    void laufe_popPopup();

    void laufe_pop_hClick();
    void laufe_pop_bClick();
    void laufe_pop_lClick();
    void laufe_pop_eClick();
    void laufe_pop_u_slClick();
    void laufe_pop_tlClick();
    void laufe_pop_u_gClick();
    void laufe_pop_u_uClick();

private:
    // The race of the current column, or 0 when the current column is no race.
    int race() const;
    // The race, provided the cup has participants (the reports need them); else 0.
    int raceWithParticipants() const;
    // The report of that race, or none.
    ReportWriter report(ReportWriter (*of)(TCupData&, int)) const;
    ReportWriter dlv(int version) const;

    Tw& m_w;
};

} // namespace rzv
