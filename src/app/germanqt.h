#pragma once

class QCoreApplication;

namespace rzv {

// Makes Qt's own dialogs (files, printing, boxes) speak German and formats numbers and dates
// the German way. False when Qt's German translations are not installed.
bool speakGerman(QCoreApplication& app);

} // namespace rzv
