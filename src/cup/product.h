#pragma once

#include <QString>

namespace rzv {

// The product's name and version, shown in the window caption, the about box and the
// exported pages.
inline const QString kProduktname = QStringLiteral("Rundenzeitverwalter");
inline const QString kVersion = QStringLiteral("3.1.7");

} // namespace rzv
