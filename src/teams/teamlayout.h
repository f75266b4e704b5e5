#pragma once

#include "teams/teamrace.h"

#include <QString>
#include <functional>

namespace rzv {

class Ausgabe;

// How a team report lays out its categories.
struct Mannschaftslayout {
    // The underlined column heading above the categories of a cup variation.
    QString spaltenkopf;
    // The title of a cup variation.
    std::function<QString(const Mannschaftskategorie&)> cupTitel;
    // Writes the teams of category number `kategorie` and returns how many it wrote.
    std::function<int(size_t kategorie)> liste;
};

// The categories of a team report: with cup variations each under its title, then the column
// heading and each category under its own line ("Mannschaften Frauen", "Mannschaften Männer" or
// "Mannschaften gemischt"). What lists nobody leaves no lines. Returns the teams listed.
int schreibeKategorien(Ausgabe& ausgabe, const Mannschaften& mannschaften,
                       const Mannschaftslayout& layout);

// The line under a team's line: a participant, a race, ... and the value it ends with.
QString mannschaftsunterzeile(const QString& text, const QString& wert);

// "Wertung: die 3 besten Ergebnisse je Verein" and, with women and men together, ", Frauen und
// Männer gemeinsam".
QString wertungszeile(const Mannschaftseinstellungen& einstellungen);

// "Gesamt: Summe der Punkte (or Platzziffern), gewertete Läufe: höchstens MAX, mindestens MIN".
QString gesamtzeile(const TCupContent& cup, const Mannschaftseinstellungen& einstellungen);

// What a team ranking of a race, or the team standing, says when it lists nobody.
inline const QString kKeinVereinImLauf =
    QStringLiteral("Kein Verein hat in diesem Lauf ein gültiges Ergebnis.");
inline const QString kKeineMannschaftGewertet =
    QStringLiteral("Bis zu diesem Lauf wurde keine Mannschaft gewertet.");

} // namespace rzv
