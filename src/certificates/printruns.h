#pragma once

#include "certificates/urkunde.h"
#include "cup/cupdata.h"

#include <functional>

namespace rzv {

class Ausgabe;

// Asked once per cup variation before its race winners are printed, with the variation's name;
// false skips the variation.
using PrintVariationQuestion = std::function<bool(const QString& cupVariation)>;
// The question's text: "A-Cup drucken?".
QString printVariationQuestion(const QString& cupVariation);

// The four certificate runs. Each prints one job "RZV Ausdruck" of one page per certificate;
// a run on anything but a race (race outside 1 .. number of races) prints nothing at all.
// The race runs leave the participant table ordered by the race's result, the cup runs by the
// standing (and the cup winners by cup variation, age group and place); the cup runs leave the
// standings report in the output sheet.

// Places 1 to 3 of every age group (per cup variation) in the race.
void siegerurkunde(TCupContent& cup, int race, CertificatePages& pages,
                   const PrintVariationQuestion& printVariation);
// The race certificate of the participant with that start number, whatever its place.
void teilnehmerurkunde(TCupContent& cup, int race, const QString& startNumber,
                       CertificatePages& pages);
// Places 1 to 3 of every age group (per cup variation) in the standing after the race.
void gesamtsiegerurkunde(TCupContent& cup, int race, CertificatePages& pages, Ausgabe& sheet);
// The cup certificate of the participant with that start number. A participant without a place
// in the standing (below the minimum of participations, or in no group) is refused with a
// message naming them and why, before anything is printed.
void gesamtteilnehmerurkunde(TCupContent& cup, int race, const QString& startNumber,
                             CertificatePages& pages, Ausgabe& sheet);

} // namespace rzv
