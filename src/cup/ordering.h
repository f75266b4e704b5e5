#pragma once

#include "cup/cupdata.h"

namespace rzv {

// The standing orders of the tables. Each works like an exchange sort over neighbours that
// exchanges only where its rule says so (so equal elements keep their order), but runs in
// O(n log n). An ordering that meets a value that does not read as a whole number stops with
// the conversion message and leaves its table unchanged.

// Age groups by "Maximalalter" ascending.
void agsort(TCellGrid& ag);
// Cup variations by name in text order.
void cvsort(TCellGrid& cv);
// Points descending; the places are renumbered 1, 2, 3, ...
void pvsort(TCellGrid& pv);
// Races by date; the participants' result columns move with their races; races renumbered.
void laufesort(TCellGrid& laufe, TCellGrid& teil);
// Participants by one column; direction -1 ascending, 1 descending (any other: no change).
void teilsort(TCupContent& cup, int direction, int column);

// True when the lower cell b must come before the upper cell a (the rows are informational).
bool teilcmp(const TCupContent& cup, int direction, int column, const QString& a, const QString& b,
             int rowA, int rowB);

// The group key of an age-group designation: "1" or "2" (female or male column) followed by the
// group's "Maximalalter"; the last matching row of the age groups wins; empty when none matches.
QString groupKeyText(const TCellGrid& ag, const QString& designation);

// Removing a row or a column: the rest moves up or left.
void deleterow(TCellGrid& grid, int row);
void deletecol(TCellGrid& grid, int col);

} // namespace rzv
