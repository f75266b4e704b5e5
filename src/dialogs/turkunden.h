#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace rzv {

class TCupData;

// The certificate settings: the page style and the two signatory lines. Shown without blocking
// the main window; the style is taken at once, the signatory lines are read whenever
// certificates are printed.
class Turkunden : public QDialog {
    Q_OBJECT
public:
    Turkunden(TCupData& cup, QWidget* parent);

    // Shows the dialog with the current style chosen (FormShow).
    void zeigen();
    // The style becomes the chosen entry's index, or -1 for a typed text that names no style.
    void stilChange();

    QComboBox* stil;
    QLineEdit* unter1;
    QLineEdit* unter2;

private:
    TCupData& m_cup;
};

} // namespace rzv
