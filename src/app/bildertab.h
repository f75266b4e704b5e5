#pragma once

class QWidget;

namespace rzv {

// Puts the certificate pictures on the (hidden) "Bilder" tab, each at its own size.
void fillBilderTab(QWidget* bilder);

} // namespace rzv
