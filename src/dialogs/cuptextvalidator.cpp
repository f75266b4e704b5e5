#include "dialogs/cuptextvalidator.h"

#include "cup/textorder.h"

namespace rzv {

QValidator::State CupTextValidator::validate(QString& input, int& /*pos*/) const {
    const bool storable = !input.contains(u'|') && firstUnencodable(input) < 0 && firstControlChar(input) < 0;
    return storable ? Acceptable : Invalid;
}

} // namespace rzv
