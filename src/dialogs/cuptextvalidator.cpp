#include "dialogs/cuptextvalidator.h"

#include "cup/textorder.h"

namespace rzv {

QValidator::State CupTextValidator::validate(QString& input, int& /*pos*/) const {
    return firstUnencodable(input) < 0 && firstControlChar(input) < 0 ? Acceptable : Invalid;
}

} // namespace rzv
