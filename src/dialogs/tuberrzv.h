#pragma once

#include <QDialog>
#include <QUrl>

#include "reports/sheet.h"

namespace rzv {

class Prompt;

// The about box: product, version, credit and two addresses that open in the browser.
// Not modal; shown and hidden, never recreated.
class Tuberrzv : public QDialog {
    Q_OBJECT
public:
    Tuberrzv(Prompt& prompt, QWidget* parent);

    static inline const QUrl kWerkstatt{QStringLiteral("https://laufcup-werkstatt.example.net")};
    static inline const QUrl kProduktseite{kWebAdresse};

    // Shows the box with its caption "Über RZV" and the version text.
    void zeigen();
    void Label1Click();
    void Label2Click();

private:
    Prompt& m_prompt;
};

// The picture of the about box: a stopwatch, drawn here.
QPixmap stopwatchPicture(int size);

} // namespace rzv
