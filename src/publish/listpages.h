#pragma once

#include "publish/sitedata.h"

#include <QString>
#include <functional>

namespace rzv {

// The tables of a page that lists runners by group: a section with a heading for each cup
// variation (titled by `cupTitel`), in it a table for each group with its caption, the given
// column headings and one body row per listed runner; `leer` (safe) when nobody is listed.
struct Listenlayout {
    QString spalten;
    std::function<QString(int cvZeile)> cupTitel;
    std::function<void(QString& html, const Listenzeile& zeile)> zeile;
    QString leer;
};
// Appends them to html.
void gruppentabellen(QString& html, const Listen& listen, const Listenlayout& layout);

} // namespace rzv
