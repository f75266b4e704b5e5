#pragma once

#include "cup/cupdata.h"

namespace rzv {

// The three working columns of a standing, appended behind the last result column of the
// participant table: the standing place, the participations and the total.
int platzSpalte(const TCupContent& cup);
int teilnahmenSpalte(const TCupContent& cup);
int summenSpalte(const TCupContent& cup);

// The standing after race n: appends the working columns, fills participations and totals
// (the `max` best race scores of participants with at least `min` scores, else 0) and orders
// the participants by name, then by total highest first. When it stops on a value that does not
// read, the working columns are gone again.
void gesamt_berechnen(TCupContent& cup, int n);
// Removes the working columns again.
void gesamt_reset(TCupContent& cup);

// A standing that lives as long as this object: computed on construction, its working columns
// removed on destruction, whatever happens in between.
class Gesamtstand {
public:
    Gesamtstand(TCupContent& cup, int n);
    ~Gesamtstand();
    Gesamtstand(const Gesamtstand&) = delete;
    Gesamtstand& operator=(const Gesamtstand&) = delete;

private:
    TCupContent& m_cup;
};

} // namespace rzv
