#include "app/cuptab.h"

#include "app/gridview.h"
#include "app/updown.h"
#include "cup/cupdata.h"
#include "dialogs/cp1252validator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace rzv {

namespace {

// A widget at its place with its label above it and its hint.
template <typename W>
W* placed(W* widget, const QRect& rect, const QString& label, const QString& hint) {
    widget->setGeometry(rect);
    widget->setToolTip(hint);
    auto* caption = new QLabel(label, widget->parentWidget());
    caption->move(rect.left(), rect.top() - 16);
    caption->adjustSize();
    caption->setBuddy(widget);
    return widget;
}

GridView* cupGrid(TCellGrid& grid, QWidget* parent) {
    auto* view = new GridView(grid, parent);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

} // namespace

CupTab::CupTab(TCupData& cup, QWidget* parent) : QWidget(parent), m_cup(cup) {
    name = placed(new QLineEdit(this), {0, 16, 385, 21},
                  QStringLiteral("Bezeichnung des Rundenpokals:"),
                  QStringLiteral("Geben Sie hier den Namen der Veranstaltung ein"));
    veranstalter = placed(new QLineEdit(this), {0, 56, 385, 21},
                          QStringLiteral("Veranstalter des Rundenpokals:"),
                          QStringLiteral("Geben Sie hier den Namen des Veranstalters/Vereins ein"));
    kategorie = placed(new QComboBox(this), {0, 96, 385, 21}, QStringLiteral("Kategorie:"),
                       QStringLiteral("Wählen Sie hier eine Kategorie für die Veranstaltung (gilt "
                                      "für alle Läufe)"));
    kategorie->setEditable(true);
    kategorie->setInsertPolicy(QComboBox::NoInsert);
    kategorie->addItems(kategorieTexts());

    const QString minHint = QStringLiteral(
        "Wählen Sie hier die Mindestanzahl von Teilnahmen um in die Endwertung zu gelangen");
    min = placed(new QLineEdit(this), {0, 136, 169, 21},
                 QStringLiteral("Mindestteilnahmen für Endwertung:"), minHint);
    minW = new UpDown(1, 100, this);
    minW->setGeometry(169, 136, 16, 21);
    minW->setToolTip(minHint);
    const QString maxHint =
        QStringLiteral("Wählen Sie hier die maximale Anzahl von gewerteten Läufen");
    max = placed(new QLineEdit(this), {192, 136, 177, 21},
                 QStringLiteral("maximale Anzahl gewerteter Teilnahmen:"), maxHint);
    maxW = new UpDown(1, 100, this);
    maxW->setGeometry(369, 136, 16, 21);
    maxW->setToolTip(maxHint);
    // Only what the cup file can hold may be typed.
    for (QLineEdit* field : {name, veranstalter, kategorie->lineEdit()})
        field->setValidator(new Cp1252Validator(field));
    min->setReadOnly(true);
    max->setReadOnly(true);

    cv = placed(cupGrid(cup.cv, this), {392, 16, 385, 137}, QStringLiteral("Cup-Variationen:"),
                QStringLiteral("Hier können Sie den Rundenpokal in einzelne Unter-Cups aufteilen"));
    ag = placed(cupGrid(cup.ag, this), {0, 176, 385, 321}, QStringLiteral("Altersklassen:"),
                QStringLiteral("Hier können Sie die Altersklassenverteilung variieren"));
    pv = placed(cupGrid(cup.pv, this), {391, 176, 385, 321}, QStringLiteral("Punktevergabe:"),
                QStringLiteral("Hier können Sie die Punktevergabe anpassen"));

    QWidget* order[] = {name, veranstalter, kategorie, min, minW, max, maxW, ag, cv, pv};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_cup.name = text;
        m_cup.edit(1);
    });
    connect(veranstalter, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_cup.veranstalter = text;
        m_cup.edit(1);
    });
    connect(kategorie, &QComboBox::activated, this, &CupTab::kategorieChange);
    connect(kategorie->lineEdit(), &QLineEdit::textEdited, this, &CupTab::kategorieChange);
    connect(minW, &UpDown::stepped, this, &CupTab::minChange);
    connect(maxW, &UpDown::stepped, this, &CupTab::maxChange);
    fill();
}

void CupTab::fill() {
    // Only differing texts are set, so that the cursor of a field being typed in stays put.
    if (name->text() != m_cup.name) name->setText(m_cup.name);
    if (veranstalter->text() != m_cup.veranstalter) veranstalter->setText(m_cup.veranstalter);
    if (kategorie->currentIndex() != m_cup.kategorie || m_cup.kategorie < 0) {
        if (m_cup.kategorie >= 0 && m_cup.kategorie < kategorie->count()) {
            kategorie->setCurrentIndex(m_cup.kategorie);
        } else if (kategorieTexts().contains(kategorie->currentText())) {
            kategorie->setCurrentIndex(-1);
        }
    }
    showMinMax();
}

void CupTab::showMinMax() {
    min->setText(QString::number(m_cup.min));
    minW->setValue(m_cup.min);
    max->setText(QString::number(m_cup.max));
    maxW->setValue(m_cup.max);
}

void CupTab::minChange(int value) {
    m_cup.min = value;
    coupleMin(m_cup);
    showMinMax();
    m_cup.edit(1);
}

void CupTab::maxChange(int value) {
    m_cup.max = value;
    coupleMax(m_cup);
    showMinMax();
    m_cup.edit(1);
}

void CupTab::kategorieChange() {
    m_cup.kategorie = static_cast<int>(kategorieTexts().indexOf(kategorie->currentText()));
    m_cup.edit(1);
}

} // namespace rzv
