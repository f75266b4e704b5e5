#include "dialogs/cp1252validator.h"

#include "cup/textorder.h"

namespace rzv {

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
    return firstUnencodable(input) < 0 ? Acceptable : Invalid;
}

} // namespace rzv
