#pragma once

#include <QString>

namespace rzv {

// Text of the output sheet made safe for an HTML page: "&" first, then the umlauts and "ß" as
// entities, then "<" and ">". Characters an HTML 4.01 page cannot hold (control characters)
// become blanks; everything else stays as it is (the page is written in UTF-8).
QString htmlText(const QString& text);

// One sheet line's text as it stands in the exported page: the text made safe, the product's
// web address made a link opening a new window, every rule of 82 "-" ending in a link to the top
// of the page, and every pair of blanks written as "&nbsp;&nbsp;" from the left.
QString htmlZeile(const QString& text);

// A value for a double-quoted attribute: "&", "<", ">" and the double quote as entities.
QString htmlAttribute(const QString& text);

// Pairs of blanks as "&nbsp;&nbsp;", from the left (three blanks give one pair and a blank).
QString htmlBlanks(const QString& text);

} // namespace rzv
