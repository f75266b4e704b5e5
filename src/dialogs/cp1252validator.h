#pragma once

#include <QValidator>

namespace rzv {

// Refuses, as they are typed or pasted, characters that the cup file (Windows-1252) cannot hold.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace rzv
