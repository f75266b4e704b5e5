#pragma once

#include "dialogs/editordialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace rzv {

class ResultGrid;

// The participant editor: adds participants (and empties itself for the next one) or edits one.
class Tbea_teil : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_teil(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // "Teilnehmer hinzufügen" with empty fields.
    void showAdd();
    // "Teilnehmer bearbeiten" for participant row R of the participant table.
    void showEdit(int R);
    void speichernClick();

protected:
    void fieldEntered(QWidget* field) override;
    bool fieldLeft(QWidget* field) override;

private:
    void buildLayout();
    void resetFields();
    // The age-group and cup lists and the result grid from the cup (row R's results, 0: none).
    void fillFromCup(int R);
    void followCup();
    bool complete() const;
    int editedRow() const;

    QLineEdit* m_name;
    QLineEdit* m_vorname;
    QLineEdit* m_geb;
    QComboBox* m_ges;
    QComboBox* m_vereinS;
    QLineEdit* m_verein;
    QComboBox* m_alt;
    QComboBox* m_cup;
    QLineEdit* m_sn;
    ResultGrid* m_erg;
    QPushButton* m_speichern;

    TCellGrid::Id m_editedParticipant = 0;
};

} // namespace rzv
