#pragma once

#include <QString>

namespace rzv {

// A name as it is compared, whatever its spelling: lower case; ä, ö, ü and ß written ae, oe, ue
// and ss; other accents dropped (é → e, ł → l); hyphens, apostrophes, dots and runs of blanks
// as one blank, none at either end.
QString foldSpelling(const QString& text);

// A club name as it is compared: folded as a name, with "e.V." (in any spelling) and every
// other punctuation left out.
QString foldClub(const QString& text);

// Whether two texts differ by at most `limit` letters (inserted, left out or replaced), and by
// how many: the count, or -1 when it is above the limit. Takes time in proportion to the
// length times the limit.
int lettersApart(QStringView a, QStringView b, int limit);

} // namespace rzv
