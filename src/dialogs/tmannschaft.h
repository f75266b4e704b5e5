#pragma once

#include "teams/teamsettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace rzv {

class Prompt;
class TCupData;

// The settings of the team rankings ("Mannschaftswertung …"): team size, women and men together,
// points or places. They belong to the cup file and are saved beside it, so a cup that has no
// file yet cannot keep them. Shown without blocking the main window.
class Tmannschaft : public QDialog {
    Q_OBJECT
public:
    Tmannschaft(TCupData& cup, Prompt& prompt, QWidget* parent);

    // Shows the settings of the current cup file (a settings file that does not read is named,
    // and the defaults are shown).
    void zeigen();
    // Saves the settings beside the cup file and hides the dialog.
    void speichernClick();

    Mannschaftseinstellungen einstellungen() const;

    QSpinBox* groesse;
    QCheckBox* gemischt;
    QRadioButton* punkte;
    QRadioButton* platzziffern;
    QLabel* ort;
    QPushButton* speichern;

private:
    void fuellen(const Mannschaftseinstellungen& einstellungen);

    TCupData& m_cup;
    Prompt& m_prompt;
};

} // namespace rzv
