#pragma once

#include "dialogs/editordialog.h"

class QLabel;
class QLineEdit;

namespace rzv {

// Fast result entry for one race: start number, Tab, result, Tab, and so on; an empty start
// number closes the dialog. The result goes to the participant that was looked up.
class Tbea_erg : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_erg(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // Opens the entry for race column k of the race table.
    void showForRace(int k);

Q_SIGNALS:
    // A start number was found in this participant row; the main window selects it.
    void participantFound(int row);

protected:
    void fieldEntered(QWidget* field) override;
    bool fieldLeft(QWidget* field) override;

private:
    void snEnter();
    bool snExit();
    void ergExit();
    void store(const QString& result);

    QLineEdit* m_sn;
    QLabel* m_name;
    QLabel* m_ergLabel;
    QLineEdit* m_erg;

    TCellGrid::Id m_race = 0;        // identity of the race's result column
    TCellGrid::Id m_participant = 0; // the participant found by the last lookup
    QString m_oldValue;
};

} // namespace rzv
