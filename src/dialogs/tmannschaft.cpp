#include "dialogs/tmannschaft.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "ui/prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rzv {

Tmannschaft::Tmannschaft(TCupData& cup, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_cup(cup), m_prompt(prompt) {
    setWindowTitle(QStringLiteral("Mannschaftswertung"));
    setModal(false);

    groesse = new QSpinBox(this);
    groesse->setRange(Mannschaftseinstellungen::kMinGroesse, Mannschaftseinstellungen::kMaxGroesse);
    gemischt =
        new QCheckBox(QStringLiteral("Frauen und Männer &gemeinsam werten (gemischt)"), this);
    punkte =
        new QRadioButton(QStringLiteral("&Punkte nach der Punktevergabe, höchste zuerst"), this);
    platzziffern = new QRadioButton(
        QStringLiteral("Pla&tzziffern: Summe der Plätze, niedrigste zuerst"), this);
    ort = new QLabel(this);

    auto* groesseText =
        new QLabel(QStringLiteral("Mannschaftsgröße (gewertete Ergebnisse je Verein):"), this);
    auto* groesseZeile = new QHBoxLayout;
    groesseZeile->addWidget(groesse);
    groesseZeile->addStretch();
    auto* buttons = new QDialogButtonBox(this);
    speichern = buttons->addButton(QStringLiteral("&Speichern"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tmannschaft::speichernClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groesseText);
    layout->addLayout(groesseZeile);
    layout->addWidget(gemischt);
    layout->addWidget(new QLabel(QStringLiteral("Mannschaftsstand nach:"), this));
    layout->addWidget(punkte);
    layout->addWidget(platzziffern);
    layout->addWidget(ort);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Mannschaftseinstellungen Tmannschaft::einstellungen() const {
    Mannschaftseinstellungen e;
    e.groesse = groesse->value();
    e.gemischt = gemischt->isChecked();
    e.platzziffern = platzziffern->isChecked();
    return e;
}

void Tmannschaft::fuellen(const Mannschaftseinstellungen& einstellungen) {
    groesse->setValue(einstellungen.groesse);
    gemischt->setChecked(einstellungen.gemischt);
    (einstellungen.platzziffern ? platzziffern : punkte)->setChecked(true);
}

void Tmannschaft::zeigen() {
    const bool mitDatei = !m_cup.fileName.isEmpty();
    ort->setText(mitDatei
                     ? QStringLiteral("Gespeichert neben der Cup-Datei in „%1“.")
                           .arg(QFileInfo(mannschaftsdatei(m_cup.fileName)).fileName())
                     : QStringLiteral("Der Cup hat noch keine Datei. Die Einstellungen werden\n"
                                      "neben ihr gespeichert: speichern Sie den Cup zuerst."));
    speichern->setEnabled(mitDatei);
    fuellen({});
    show();
    raise();
    activateWindow();
    runOperation([&] { fuellen(ladeMannschaftseinstellungen(m_cup.fileName)); },
                 [&](const QString& message) { m_prompt.error(message); });
}

void Tmannschaft::speichernClick() {
    if (m_cup.fileName.isEmpty()) return;
    if (runOperation([&] { speichereMannschaftseinstellungen(m_cup.fileName, einstellungen()); },
                     [&](const QString& message) { m_prompt.error(message); }))
        hide();
}

} // namespace rzv
