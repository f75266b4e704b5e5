#pragma once

#include <QByteArray>

namespace rzv {

// The one stylesheet (screen, narrow screens and paper) and the one script (the search) that
// every page of the website loads from its own folder.
QByteArray stylesheet();
QByteArray suchskript();

} // namespace rzv
