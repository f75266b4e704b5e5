#pragma once

#include <QByteArray>
#include <QString>

namespace rzv {

// How clubs are ranked as teams. Kept per cup in a small file beside the cup file, so that the
// cup file itself never changes; a cup without that file uses these defaults.
struct Mannschaftseinstellungen {
    static constexpr int kMinGroesse = 2;
    static constexpr int kMaxGroesse = 10;

    int groesse = 3;           // the N best results of a club that make its race result
    bool gemischt = false;     // women and men in one team instead of apart
    bool platzziffern = false; // the standing adds race places (lowest first) instead of points

    bool operator==(const Mannschaftseinstellungen&) const = default;
};

// The settings file of a cup file: its full name followed by ".mannschaft.json".
QString mannschaftsdatei(const QString& cupDatei);

// The settings as a small JSON text, and back. Reading stops with a German message naming what
// is wrong; a key that is missing keeps its default.
QByteArray mannschaftsJson(const Mannschaftseinstellungen& einstellungen);
Mannschaftseinstellungen ausMannschaftsJson(const QByteArray& json);

// The settings of a cup file: the defaults without a settings file (or without a cup file name).
Mannschaftseinstellungen ladeMannschaftseinstellungen(const QString& cupDatei);
// Writes the settings file of the cup file atomically.
void speichereMannschaftseinstellungen(const QString& cupDatei,
                                       const Mannschaftseinstellungen& einstellungen);

// Takes the settings along when a cup is saved under another name: the settings file beside the
// new name then holds the bytes of the one beside the old name. A cup without settings file (or
// without an old name) keeps its defaults: a settings file left beside the new name by the cup
// that was there before is removed.
void mannschaftseinstellungenMitnehmen(const QString& alteCupDatei, const QString& neueCupDatei);

} // namespace rzv
