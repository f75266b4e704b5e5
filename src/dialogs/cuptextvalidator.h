#pragma once

#include <QValidator>

namespace rzv {

// Refuses, as they are typed or pasted, what a text of the cup may not hold: "|" (the cup file's
// field separator, which saving would drop), characters that the cup file (Windows-1252) cannot
// hold, and control characters (tab and line ends included), by the same rule as an import.
class CupTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace rzv
