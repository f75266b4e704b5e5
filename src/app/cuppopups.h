#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace rzv {

class GridView;
class Tw;

// The context menus of the age groups, cup variations and points on the "Cup" tab. Their
// entries act on the current row of their table; which are enabled is decided when they open.
class CupPopups : public QObject {
    Q_OBJECT
public:
    explicit CupPopups(Tw& w);

    // The age-group table holds at most this many groups.
    static constexpr int kMaxAltersgruppen = 24;

    QMenu* ag_pop;
    QAction* ag_pop_h;
    QAction* ag_pop_b;
    QAction* ag_pop_l;
    QMenu* cv_pop;
    QAction* cv_pop_h;
    QAction* cv_pop_b;
    QAction* cv_pop_l;
    QMenu* pv_pop;
    QAction* pv_pop_h;
    QAction* pv_pop_l;

    void ag_popPopup();
    void cv_popPopup();
    void pv_popPopup();

    void ag_pop_hClick();
    void ag_pop_bClick();
    void ag_pop_lClick();
    void cv_pop_hClick();
    void cv_pop_bClick();
    void cv_pop_lClick();
    void pv_pop_hClick();
    void pv_pop_lClick();

private:
    // The current data row of the view, or 0 on the captions.
    int dataRow(GridView* view) const;

    Tw& m_w;
};

} // namespace rzv
