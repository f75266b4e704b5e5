#pragma once

#include <QString>

namespace rzv {

inline const QString kProductName = QStringLiteral("Rundenzeitverwalter");
inline const QString kVersion = QStringLiteral("3.1.7");

} // namespace rzv
