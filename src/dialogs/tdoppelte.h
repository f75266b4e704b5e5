#pragma once

#include "cup/cellgrid.h"

#include <QDialog>
#include <functional>
#include <set>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rzv {

class TCupData;

// "Doppelte Teilnehmer suchen": the pairs of participants that may be one runner entered twice,
// and the chosen pair side by side with every race's result. "Zusammenführen" keeps the chosen
// side and takes the other's results where it has none; where both differ, the choice in the
// last column decides. The list follows the cup after each merge.
class Tdoppelte : public QDialog {
    Q_OBJECT
public:
    using Merge = std::function<void(TCellGrid::Id kept, TCellGrid::Id other,
                                     const std::set<TCellGrid::Id>& takeOther)>;

    Tdoppelte(const TCupData& cup, Merge merge, QWidget* parent = nullptr);

    // The choice of a conflicting race in the comparison (null where both agree).
    QComboBox* konflikt(int race) const;
    void zusammenfuehrenClick();

    QListWidget* paare;
    QTableWidget* vergleich;
    QComboBox* behalten;
    QLabel* hinweis;
    QPushButton* zusammenfuehren;
    QPushButton* schliessen;

private:
    void findPairs();
    void showPair();
    void showMerged();
    int keptRow() const;
    int otherRow() const;

    const TCupData& m_cup;
    Merge m_merge;
    std::vector<std::pair<TCellGrid::Id, TCellGrid::Id>> m_pairs;
};

} // namespace rzv
