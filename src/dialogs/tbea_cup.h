#pragma once

#include "dialogs/editordialog.h"

class QLineEdit;
class QPushButton;

namespace rzv {

// The cup-variation editor. Renaming a variation renames it for its participants too.
class Tbea_cup : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_cup(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // "Cup-Variation hinzufügen": the fields keep their contents.
    void showAdd();
    // "Cup-Variation bearbeiten" for row R of the cup variations.
    void showEdit(int R);
    void speichernClick();

protected:
    bool fieldLeft(QWidget* field) override;

private:
    void addVariation();
    void saveEditedVariation();

    QLineEdit* m_name;
    QLineEdit* m_strecke;
    QLineEdit* m_zeit;
    QPushButton* m_speichern;

    TCellGrid::Id m_editedVariation = 0;
};

} // namespace rzv
