#pragma once

#include <QDialog>
#include <QUrl>

class QComboBox;

namespace rzv {

class Prompt;
class TCupData;

// The HTML settings: the style of exported pages, chosen from a pick list and taken at once.
// Shown without blocking the main window.
class Thtml : public QDialog {
    Q_OBJECT
public:
    Thtml(TCupData& cup, Prompt& prompt, QWidget* parent);

    static inline const QUrl kValidator{QStringLiteral("https://validator.w3.org/")};

    // Shows the dialog with the current style chosen.
    void zeigen();
    // A click on the badge opens the validator's page.
    void bildClick();

    QComboBox* stil;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TCupData& m_cup;
    Prompt& m_prompt;
    QWidget* m_badge;
};

// The badge of the settings dialog (88 x 31): a page with a check mark, drawn here.
QPixmap validatorBadge();

} // namespace rzv
