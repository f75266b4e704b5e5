#pragma once

#include "app/menubuilder.h"

#include <QObject>

namespace rzv {

class TCupData;
class Tw;

// The context menu of the participant table. Its entries act on the participant of the current
// row and on the race of the current column; which are enabled is decided each time it opens.
class TeilPopup : public QObject {
    Q_OBJECT
public:
    explicit TeilPopup(Tw& w);

    QMenu* menu;
    QAction* teil_pop_h;
    QAction* teil_pop_b;
    QAction* teil_pop_l;
    QAction* teil_pop_e;
    QAction* teil_pop_i; // results of the race from a file
    ReportEntries teil_pop_t;
    ReportEntries teil_pop_a;
    ReportEntries teil_pop_s;
    ReportEntries teil_pop_g;
    ReportEntries teil_pop_m; // the team ranking of the race
    ReportEntries teil_pop_n; // the team standing after the race
    QMenu* teil_pop_p;
    QAction* teil_pop_p_s;
    QAction* teil_pop_p_f;

    // The enabling rules for the current cell.
    void teil_popPopup();

    void teil_pop_hClick();
    void teil_pop_bClick();
    void teil_pop_lClick();
    void teil_pop_eClick();
    void teil_pop_iClick();
    void teil_pop_p_sClick();
    void teil_pop_p_fClick();

private:
    // The participant row of the current cell, or 0 on the captions.
    int participant() const;
    // The race of the current result column, or 0.
    int raceColumn() const;
    // The same, but 0 while the cup has no participant.
    int race() const;
    ReportWriter raceReport(ReportWriter (*of)(TCupData&, int)) const;
    void sortByCurrentColumn(int direction);

    Tw& m_w;
};

} // namespace rzv
