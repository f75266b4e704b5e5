#pragma once

#include "dialogs/editordialog.h"

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace rzv {

// The race editor: adds races (and stays open for the next one) or edits one race.
class Tbea_lauf : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_lauf(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // "Lauf hinzufügen": the fields keep the last race's values, the date is empty again.
    void showAdd();
    // "Lauf bearbeiten" for race column k of the race table.
    void showEdit(int k);
    void speichernClick();

protected:
    bool fieldLeft(QWidget* field) override;

private:
    void buildLayout();
    void lauftypChange();
    void normaliseZeitdistanz();
    // Shows the time/distance field as the cup's races need it: "ja" and fixed in a cup with
    // cup variations, else free with the given value.
    void showZeitdistanzFor(bool cupRace, const QString& value);
    void followCupVariations();
    std::vector<QString> raceCells() const;
    void addRace();
    void saveEditedRace();

    QComboBox* m_lauftyp;
    QLineEdit* m_datum;
    QLineEdit* m_zeitdistanz;
    QPushButton* m_speichern;
    // The fields of race-table rows 4 to 33, indexed by row: a text field or a spinner.
    std::array<QLineEdit*, 34> m_text{};
    std::array<QSpinBox*, 34> m_spin{};

    bool m_shownAsCupRace = false;
    TCellGrid::Id m_editedRace = 0; // identity of the edited race's result column
};

} // namespace rzv
