#pragma once

#include "cup/cupdata.h"
#include "reports/sheet.h"

#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace rzv {

// The participant rows of each group in table order, found once per report: keyed by the
// age-group designation and, when the cup has cup variations, the cup-variation name.
class Gruppenindex {
public:
    Gruppenindex(const TCupContent& cup, const std::function<bool(int row)>& aufgenommen);
    const std::vector<int>& zeilen(const QString& bezeichnung, const QString& cupVariation) const;

private:
    bool m_mitCup;
    QHash<std::pair<QString, QString>, std::vector<int>> m_gruppen;
    std::vector<int> m_leer;
};

// "Name, Vorname ('JJ)": the participant as the result lists show it.
QString namensfeld(const TCellGrid& teil, int row);
// The place column of a list line: "  7. ", or five blanks for no place (0).
QString platzfeld(int platz);
// The start of a participant's line in a list: place, name field of 36 characters and the club
// in `vereinsbreite`, with room for the rest of the line.
QString listenzeile(const TCellGrid& teil, int row, int platz, int vereinsbreite);

// The two bold title lines of a report on race k: the title followed by the race date, then
// "Lauf " + number + " - " + type.
void laufkopf(Ausgabe& ausgabe, const TCupContent& cup, int k, const QString& titel);

// A participant as a list report writes it: the row, the place its line shows (0 for none), the
// value its line ends with (the result as shown, or the total, "---" below the minimum) and the
// group it is listed in (the cup variation is empty in a cup without any).
struct Listeneintrag {
    int row;
    int platz;
    QString wert;
    QString bezeichnung;
    QString cupVariation;
};
// Told of every participant a list report writes, in the order of the lines.
using Listenleser = std::function<void(const Listeneintrag&)>;

// How the race results and the standings lay out their groups.
struct Gruppenlayout {
    // The underlined column heading above each age group.
    QString spaltenkopf;
    // The title of cup variation row v.
    std::function<QString(int v)> cupTitel;
    // Writes the participants of one designation (and cup variation, or empty) and returns how
    // many it wrote.
    std::function<int(const QString& bezeichnung, const QString& cupVariation)> liste;
};

// The groups of a list report: without cup variations every age group with its female and male
// list; with them, every cup variation with its age groups. Groups, age groups and cup variations
// where nobody was listed leave no lines.
void schreibeGruppen(Ausgabe& ausgabe, const TCupContent& cup, const Gruppenlayout& layout);

} // namespace rzv
