#pragma once

#include <QString>
#include <optional>

namespace rzv {

// The text with every character that the cup file (Windows-1252) cannot hold replaced by the
// letter without its diacritic ("Łukasz" gives "Lukasz", "Ștefan" gives "Stefan"); characters
// the file holds ("ä", "ß", "é") stay; a combining mark the file cannot hold is dropped. Nothing
// when a character has no such replacement or nothing would be left.
std::optional<QString> cp1252Replacement(const QString& text);

} // namespace rzv
