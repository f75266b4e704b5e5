#include "dialogs/tbea_lauf.h"

#include "commands/saverace.h"
#include "cup/cupdata.h"
#include "cup/notation.h"
#include "cup/ordering.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace rzv {

namespace {

const QString kAddCaption = QStringLiteral("Lauf hinzufügen");
const QString kEditCaption = QStringLiteral("Lauf bearbeiten");
const QString kCupRaceMark = QStringLiteral("ja");

// Text fields of the race-table rows 4 to 31: row, name, input limit, shown width in characters.
struct TextRow {
    int row;
    const char* name;
    int maxLength;
    int shownChars;
};
constexpr TextRow kTextRows[] = {
    {4, "vereinsname", 31, 31},
    {5, "anschrift1", 31, 31},
    {6, "anschrift2", 31, 31},
    {7, "anschrift3", 31, 31},
    {8, "fon", 25, 14},
    {9, "fax", 25, 14},
    {10, "ort", 21, 14},
    {11, "kreis", 21, 14},
    {12, "bezirk", 21, 14},
    {13, "land", 21, 14},
    {14, "wettkampf1", 62, 31},
    {15, "wettkampf2", 62, 31},
    {16, "zeitmessung", 29, 29},
    {17, "windmessung", 29, 29},
    {18, "geratekontrolle", 29, 29},
    {22, "wettkampfleiter", 80, 29},
    {23, "wlfon", 21, 14},
    {24, "wlfax", 21, 14},
    {25, "verbandsaufsicht", 80, 29},
    {26, "vafon", 21, 14},
    {27, "vafax", 21, 14},
    {28, "bemerkung1", 80, 45},
    {29, "bemerkung2", 80, 45},
    {30, "bemerkung3", 80, 45},
    {31, "dlvnr", 15, 15},
};

// Spinners of rows 19 to 21, 32 and 33: row, name, range, value of an empty cell.
struct SpinRow {
    int row;
    const char* name;
    int minimum;
    int maximum;
    int start;
};
constexpr SpinRow kSpinRows[] = {
    {19, "kampfrichter", 0, 100, 0},          {20, "helfer", 0, 100, 0},
    {21, "mitarbeiter", 0, 100, 0},           {kBonusfaktor, "lauffaktor", 1, 5, 1},
    {kBonussummand, "laufsummand", 0, 20, 0},
};

// A stored count as the spinner shows it: empty or unreadable cells show the spinner's start.
int spinnerValue(const QString& cell, const SpinRow& spin) {
    return std::clamp(readIntOr(cell, spin.start), spin.minimum, spin.maximum);
}

} // namespace

Tbea_lauf::Tbea_lauf(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_lauf"));
    m_lauftyp = new QComboBox(this);
    m_lauftyp->setObjectName(QStringLiteral("lauftyp"));
    m_lauftyp->addItems({kDistanzlauf, kZeitlauf});
    m_lauftyp->setPlaceholderText(QStringLiteral("bitte Lauftyp wählen"));
    m_lauftyp->setCurrentIndex(-1);
    m_datum = textField("datum", 15, 15);
    m_datum->setText(kDatePlaceholder);
    m_zeitdistanz = textField("zeitdistanz", 80, 31);
    for (const TextRow& t : kTextRows) {
        m_text[static_cast<size_t>(t.row)] = textField(t.name, t.maxLength, t.shownChars);
    }
    for (const SpinRow& s : kSpinRows) {
        m_spin[static_cast<size_t>(s.row)] = spinner(s.name, s.minimum, s.maximum, s.start);
    }
    m_speichern = button("speichern", QStringLiteral("Laufdaten speichern"));

    buildLayout();
    fixSize();

    watch(m_datum);
    watch(m_zeitdistanz);
    connect(m_lauftyp, &QComboBox::activated, this, &Tbea_lauf::lauftypChange);
    onClick(m_speichern, &Tbea_lauf::speichernClick);
    connect(&cup, &TCupData::tablesChanged, this, &Tbea_lauf::followCupVariations);
}

void Tbea_lauf::buildLayout() {
    const auto text = [this](int row) -> QWidget* { return m_text[static_cast<size_t>(row)]; };
    const auto spin = [this](int row) -> QWidget* { return m_spin[static_cast<size_t>(row)]; };

    auto* left = new QVBoxLayout;
    left->addLayout(labelled(QStringLiteral("Lauftyp:"), {m_lauftyp}));
    left->addLayout(sideBySide({labelled(QStringLiteral("Datum:"), {m_datum}),
                                labelled(QStringLiteral("Zeit/Distanz:"), {m_zeitdistanz})}));
    left->addLayout(
        labelled(QStringLiteral("Name des Veranstalters / austragenden Vereins:"), {text(4)}));
    auto* address = labelled(QStringLiteral("Anschrift:"), {text(5)});
    static_cast<QVBoxLayout*>(address)->addWidget(text(6));
    static_cast<QVBoxLayout*>(address)->addWidget(text(7));
    left->addLayout(address);
    left->addLayout(sideBySide({labelled(QStringLiteral("Fon:"), {text(8)}),
                                labelled(QStringLiteral("Fax:"), {text(9)})}));
    left->addLayout(sideBySide({labelled(QStringLiteral("Ort:"), {text(10)}),
                                labelled(QStringLiteral("Kreis:"), {text(11)})}));
    left->addLayout(sideBySide({labelled(QStringLiteral("Bezirk:"), {text(12)}),
                                labelled(QStringLiteral("Land:"), {text(13)})}));
    auto* venue = labelled(QStringLiteral("Wettkampfstätte:"), {text(14)});
    static_cast<QVBoxLayout*>(venue)->addWidget(text(15));
    left->addLayout(venue);
    left->addLayout(sideBySide({labelled(QStringLiteral("Bonusfaktor:"), {spin(kBonusfaktor)}),
                                labelled(QStringLiteral("Bonussummand:"), {spin(kBonussummand)})}));
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addLayout(
        labelled(QStringLiteral("Anzahl Kampfrichter / Helfer / Mitarbeiter (Büro/EDV):"),
                 {spin(19), spin(20), spin(21)}));
    right->addLayout(labelled(QStringLiteral("Zeitmessung (allgemeine Angaben):"), {text(16)}));
    right->addLayout(labelled(QStringLiteral("Windmessung (allgemeine Angaben):"), {text(17)}));
    right->addLayout(labelled(QStringLiteral("Gerätekontrolle (allgemeine Angaben):"), {text(18)}));
    right->addLayout(sideBySide({labelled(QStringLiteral("Wettkampfleiter:"), {text(22)}),
                                 labelled(QStringLiteral("Fon:"), {text(23)}),
                                 labelled(QStringLiteral("Fax:"), {text(24)})}));
    right->addLayout(sideBySide({labelled(QStringLiteral("Verbandsaufsicht:"), {text(25)}),
                                 labelled(QStringLiteral("Fon:"), {text(26)}),
                                 labelled(QStringLiteral("Fax:"), {text(27)})}));
    auto* remarks = labelled(QStringLiteral("Bemerkungen (allgemeine Angaben):"), {text(28)});
    static_cast<QVBoxLayout*>(remarks)->addWidget(text(29));
    static_cast<QVBoxLayout*>(remarks)->addWidget(text(30));
    right->addLayout(remarks);
    right->addLayout(labelled(QStringLiteral("DLV-Veranstaltungsnummer:"), {text(kDlvNummer)}));
    right->addStretch();
    right->addWidget(m_speichern, 0, Qt::AlignRight);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);

    // Type, date, time/distance, organiser and address, venue, the counts, the officials,
    // remarks, event number, save button, then the bonus spinners.
    QList<QWidget*> order{m_lauftyp, m_datum, m_zeitdistanz};
    for (int row : {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        order.append(text(row));
    for (int row : {19, 20, 21})
        order.append(spin(row));
    for (int row : {16, 17, 18, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31})
        order.append(text(row));
    order.append(m_speichern);
    order.append(spin(kBonusfaktor));
    order.append(spin(kBonussummand));
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Tbea_lauf::showAdd() {
    setWindowTitle(kAddCaption);
    m_editedRace = 0;
    m_datum->setText(kDatePlaceholder);
    showZeitdistanzFor(cup().hasCupVariations(), QString());
    present();
}

void Tbea_lauf::showEdit(int k) {
    setWindowTitle(kEditCaption);
    m_editedRace = cup().teil.colId(resultColumn(k));
    const TCellGrid& laufe = cup().laufe;
    m_lauftyp->setCurrentIndex(laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : 0);
    m_datum->setText(laufe.cell(k, kDatum));
    showZeitdistanzFor(cup().hasCupVariations(), laufe.cell(k, kCuplauf));
    for (const TextRow& t : kTextRows)
        m_text[static_cast<size_t>(t.row)]->setText(laufe.cell(k, t.row));
    for (const SpinRow& s : kSpinRows)
        m_spin[static_cast<size_t>(s.row)]->setValue(spinnerValue(laufe.cell(k, s.row), s));
    present();
}

void Tbea_lauf::showZeitdistanzFor(bool cupRace, const QString& value) {
    m_shownAsCupRace = cupRace;
    m_zeitdistanz->setText(cupRace ? kCupRaceMark : value);
    m_zeitdistanz->setEnabled(!cupRace);
}

// The first cup variation added, or the last one deleted, while the dialog is open changes what
// the time/distance field must hold for the race to be saved.
void Tbea_lauf::followCupVariations() {
    if (isVisible() && cup().hasCupVariations() != m_shownAsCupRace)
        showZeitdistanzFor(cup().hasCupVariations(), QString());
}

void Tbea_lauf::lauftypChange() {
    if (m_zeitdistanz->isEnabled()) normaliseZeitdistanz();
}

// The fixed quantity of a race: a time for a distance race, a distance for a time race.
void Tbea_lauf::normaliseZeitdistanz() {
    const QString typed = m_zeitdistanz->text();
    switch (m_lauftyp->currentIndex()) {
    case 0:
        m_zeitdistanz->setText(checktime(typed));
        break;
    case 1:
        m_zeitdistanz->setText(checkdist(typed));
        break;
    default:
        m_zeitdistanz->clear();
        break;
    }
}

bool Tbea_lauf::fieldLeft(QWidget* field) {
    if (field == m_datum) m_datum->setText(checkdate(m_datum->text()));
    if (field == m_zeitdistanz && m_zeitdistanz->isEnabled()) normaliseZeitdistanz();
    return true;
}

void Tbea_lauf::speichernClick() {
    leaveFocusedField();
    if (m_lauftyp->currentIndex() < 0) return;
    if (m_datum->text() == kDatePlaceholder) return;
    if (cup().hasCupVariations() ? m_zeitdistanz->text() != kCupRaceMark
                                 : m_zeitdistanz->text().isEmpty())
        return;
    if (windowTitle() == kAddCaption)
        addRace();
    else
        saveEditedRace();
}

// The race-table rows 1 to 33 as the fields give them.
std::vector<QString> Tbea_lauf::raceCells() const {
    std::vector<QString> cells(kLaufRows);
    cells[kLauftyp] = m_lauftyp->currentText();
    cells[kDatum] = m_datum->text();
    cells[kCuplauf] = m_zeitdistanz->text();
    for (const TextRow& t : kTextRows)
        cells[static_cast<size_t>(t.row)] = m_text[static_cast<size_t>(t.row)]->text();
    for (const SpinRow& s : kSpinRows)
        cells[static_cast<size_t>(s.row)] =
            QString::number(m_spin[static_cast<size_t>(s.row)]->value());
    return cells;
}

void Tbea_lauf::addRace() {
    TCupData& c = cup();
    c.laufe.setColWidth(0, 120);
    runCommand(c, std::make_unique<SaveRaceCommand>(c, 0, raceCells()));
    m_lauftyp->setFocus();
    m_datum->setText(kDatePlaceholder);
}

void Tbea_lauf::saveEditedRace() {
    TCupData& c = cup();
    const int k = findCol(c.teil, m_editedRace) - (kTeilFixedCols - 1);
    if (k < 1 || k > c.raceCount()) {
        entryGone(QStringLiteral("Der bearbeitete Lauf"));
        return;
    }
    c.laufe.setColWidth(0, 120);
    runCommand(c, std::make_unique<SaveRaceCommand>(c, m_editedRace, raceCells()));
    m_lauftyp->setFocus();
    hide();
}

} // namespace rzv
