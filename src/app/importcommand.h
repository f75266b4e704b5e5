#pragma once

namespace rzv {

class Tw;

// "&Datei" → "&Importieren …" (race 0) and "Ergebnisse &importieren …" on a race column of the
// participant table (that race preselected): asks for the file, reads it and shows the import
// dialog, whose "Übernehmen" applies the checked plan to the cup as one change.
void importieren(Tw& w, int race);

} // namespace rzv
