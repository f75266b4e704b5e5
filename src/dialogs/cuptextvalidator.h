#pragma once

#include <QValidator>

class QLineEdit;

namespace rzv {

// Refuses, as they are typed or pasted, what a text of the cup may not hold: "|" (the cup file's
// field separator, which saving would drop), characters that the cup file (Windows-1252) cannot
// hold, and control characters (tab and line ends included), by the same rule as an import.
// A text that holds such characters already (read from an older cup file) stays editable: an
// edit may keep or remove them, but not add one.
class CupTextValidator : public QValidator {
public:
    explicit CupTextValidator(QLineEdit* field);
    State validate(QString& input, int& pos) const override;

private:
    int m_refusedInText = 0; // refused characters in the field's current text
};

} // namespace rzv
