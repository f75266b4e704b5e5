#pragma once

#include "dialogs/editordialog.h"

class QPushButton;
class QSpinBox;

namespace rzv {

// The points editor: adds a points value (a value already present is ignored) and stays open.
class Tbea_pv : public TEditorDialog {
    Q_OBJECT
public:
    Tbea_pv(TCupData& cup, Prompt& prompt, QWidget* parent = nullptr);

    // Shows the dialog; the spinner keeps its position.
    void showAdd();
    void hinzufugenClick();

private:
    QSpinBox* m_pzW;
    QPushButton* m_hinzufugen;
};

} // namespace rzv
