#pragma once

#include <QString>

namespace rzv {

// The speed of a result against its race parameter, the distance and the time in either order
// ("10000m" and "0:40'00,0\"" give "4,2 m/s"), rounded to a tenth with a half away from zero and
// written with a decimal comma. "---" when it cannot be computed (no parameter, a part that is
// not a number, no time).
QString BerechneMps(const QString& x, const QString& y);

} // namespace rzv
