#include "dialogs/tteil_wahl.h"

#include "cup/cellgrid.h"
#include "cup/cupdata.h"
#include "cup/textorder.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

namespace rzv {

Tteil_wahl::Tteil_wahl(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kRaceCaption);
    setModal(false);
    teil_wahl_box = new QComboBox(this);
    teil_wahl_box->setEditable(true);
    teil_wahl_box->setInsertPolicy(QComboBox::NoInsert);
    teil_wahl_box->setEditText(QStringLiteral("bitte wählen ..."));
    teil_wahl_box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    teil_wahl_box->setMinimumWidth(180);
    klick = new QPushButton(QStringLiteral("Auswählen"), this);
    connect(klick, &QPushButton::clicked, this, &Tteil_wahl::klickClick);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(teil_wahl_box);
    layout->addWidget(klick);
}

void Tteil_wahl::oeffnen(const QString& caption, const TCellGrid& teil) {
    show();
    setWindowTitle(caption);
    QStringList numbers;
    for (int row = 1; row < teil.rowCount(); ++row)
        numbers.append(teil.cell(kStartnummer, row));
    std::stable_sort(numbers.begin(), numbers.end(),
                     [](const QString& a, const QString& b) { return textCompare(a, b) < 0; });
    const QString typed = teil_wahl_box->currentText();
    teil_wahl_box->clear();
    teil_wahl_box->addItems(numbers);
    teil_wahl_box->setEditText(typed);
    raise();
    activateWindow();
}

void Tteil_wahl::klickClick() {
    hide();
    const QString startNumber = teil_wahl_box->currentText();
    if (windowTitle() == kRaceCaption)
        Q_EMIT raceCertificateChosen(startNumber);
    else if (windowTitle() == kCupCaption)
        Q_EMIT cupCertificateChosen(startNumber);
}

} // namespace rzv
