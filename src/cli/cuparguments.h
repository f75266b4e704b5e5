#pragma once

#include "cup/cupdata.h"

#include <QString>

namespace rzv::cli {

// Loads a cup file as the desktop program does; what it tells the user (a file that ends early)
// goes to standard error.
void loadCup(TCupData& cup, const QString& path);

// A race number K given on the command line: 1 to the number of races of the cup.
int raceNumber(const QString& text, const TCupContent& cup);

// A start number as it is typed: "7" stands for "007".
QString startNumber(const QString& text);

// The participant row with the start number given on the command line; a number that no one or
// more than one participant holds is refused.
int participantRow(const TCupContent& cup, const QString& text);

} // namespace rzv::cli
