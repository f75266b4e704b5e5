#pragma once

#include "dialogs/editordialog.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace rzv {

// The age-group editor. Renaming a group renames it for its participants too.
class Tbea_ag : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_ag(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // "Altersgruppe hinzufügen": the fields keep their contents.
    void showAdd();
    // "Altersgruppe bearbeiten" for row R of the age groups.
    void showEdit(int R);
    void speichernClick();

private:
    bool duplicates() const;
    void addGroup();
    void saveEditedGroup();

    QLineEdit* m_weib;
    QLineEdit* m_mann;
    QSpinBox* m_alterW;
    QPushButton* m_speichern;

    TCellGrid::Id m_editedGroup = 0;
};

} // namespace rzv
