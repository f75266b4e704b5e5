#include "dialogs/turkunden.h"

#include "certificates/urkunde.h"
#include "cup/cupdata.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rzv {

Turkunden::Turkunden(TCupData& cup, QWidget* parent) : QDialog(parent), m_cup(cup) {
    setWindowTitle(QStringLiteral("Urkunden Einstellungen"));
    setModal(false);

    auto* stilT = new QLabel(
        QStringLiteral("Wählen Sie einen Stil für die zu druckenden Urkunden aus:"), this);
    stil = new QComboBox(this);
    stil->setEditable(true);
    stil->setInsertPolicy(QComboBox::NoInsert);
    stil->addItems(certificateStyleNames());
    connect(stil, &QComboBox::editTextChanged, this, &Turkunden::stilChange);

    unter1 = new QLineEdit(this);
    unter2 = new QLineEdit(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stilT);
    layout->addWidget(stil);
    layout->addWidget(new QLabel(
        QStringLiteral("Geben Sie hier den Text für die Unterzeichnende Person ein:"), this));
    layout->addWidget(unter1);
    layout->addWidget(unter2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Turkunden::zeigen() {
    stil->setCurrentIndex(m_cup.urkundeStyle);
    show();
    raise();
    activateWindow();
}

void Turkunden::stilChange() {
    m_cup.urkundeStyle =
        stil->findText(stil->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace rzv
