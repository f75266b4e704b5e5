#include "app/cuptab.h"

#include "app/gridview.h"
#include "app/updown.h"
#include "commands/headercommand.h"
#include "cup/cupdata.h"
#include "dialogs/cuptextvalidator.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace rzv {

namespace {

// The places of the fields and grids in pixels (left, top, width, height) with the usual 8-point
// fonts; where a desktop's fonts need more room, the labels wrap and the rows below move down.
constexpr int kWidth = 385;
constexpr int kLabelHeight = 16;
constexpr int kFieldHeight = 21;
constexpr int kRowGap = 3;
constexpr int kMaxLeft = 192;
constexpr int kRightLeft = 392;
constexpr int kGridsBottom = 497;

// A widget with the hint it shows on hovering.
template <typename W> W* hinted(W* widget, const QString& hint) {
    widget->setToolTip(hint);
    return widget;
}

// Sets a label's text on one line when it fits its room, else wrapped within the room; returns
// the height it takes.
int fitLabel(QLabel* label, const QPoint& at, int room) {
    const bool fits = label->fontMetrics().horizontalAdvance(label->text()) <= room;
    label->setWordWrap(!fits);
    const int width = fits ? label->sizeHint().width() : room;
    const int height =
        std::max(kLabelHeight, fits ? label->sizeHint().height() : label->heightForWidth(room));
    label->setGeometry(QRect(at, QSize(width, height)));
    return height;
}

// The height a field needs for its text: the usual one, more for a larger font (its line with
// the frame and padding of a field).
int fieldHeight(const QWidget* field) {
    return std::max(kFieldHeight, field->fontMetrics().height() + 6);
}

} // namespace

void CupTab::labelFor(QWidget* field, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setBuddy(field);
    m_labels.append({label, field});
}

CupTab::CupTab(TCupData& cup, QWidget* parent) : QWidget(parent), m_cup(cup) {
    name = hinted(new QLineEdit(this),
                  QStringLiteral("Geben Sie hier den Namen der Veranstaltung ein"));
    labelFor(name, QStringLiteral("Bezeichnung des Rundenpokals:"));
    veranstalter =
        hinted(new QLineEdit(this),
               QStringLiteral("Geben Sie hier den Namen des Veranstalters/Vereins ein"));
    labelFor(veranstalter, QStringLiteral("Veranstalter des Rundenpokals:"));
    kategorie = hinted(new QComboBox(this),
                       QStringLiteral("Wählen Sie hier eine Kategorie für die Veranstaltung (gilt "
                                      "für alle Läufe)"));
    labelFor(kategorie, QStringLiteral("Kategorie:"));
    kategorie->setEditable(true);
    kategorie->setInsertPolicy(QComboBox::NoInsert);
    kategorie->addItems(kategorieTexts());

    const QString minHint = QStringLiteral(
        "Wählen Sie hier die Mindestanzahl von Teilnahmen um in die Endwertung zu gelangen");
    min = hinted(new QLineEdit(this), minHint);
    labelFor(min, QStringLiteral("Mindestteilnahmen für Endwertung:"));
    minW = hinted(new UpDown(1, 100, this), minHint);
    const QString maxHint =
        QStringLiteral("Wählen Sie hier die maximale Anzahl von gewerteten Läufen");
    max = hinted(new QLineEdit(this), maxHint);
    labelFor(max, QStringLiteral("maximale Anzahl gewerteter Teilnahmen:"));
    maxW = hinted(new UpDown(1, 100, this), maxHint);
    // Only what a text of the cup may hold can be typed.
    for (QLineEdit* field : {name, veranstalter, kategorie->lineEdit()})
        field->setValidator(new CupTextValidator(field));
    min->setReadOnly(true);
    max->setReadOnly(true);

    // The tables scroll vertically, sideways only where large fonts widen their captions.
    cv = hinted(new GridView(cup.cv, this),
                QStringLiteral("Hier können Sie den Rundenpokal in einzelne Unter-Cups aufteilen"));
    labelFor(cv, QStringLiteral("Cup-Variationen:"));
    ag = hinted(new GridView(cup.ag, this),
                QStringLiteral("Hier können Sie die Altersklassenverteilung variieren"));
    labelFor(ag, QStringLiteral("Altersklassen:"));
    pv = hinted(new GridView(cup.pv, this), QStringLiteral("Hier können Sie die Punktevergabe anpassen"));
    labelFor(pv, QStringLiteral("Punktevergabe:"));
    arrange();

    QWidget* order[] = {name, veranstalter, kategorie, min, minW, max, maxW, ag, cv, pv};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(name, &QLineEdit::textEdited, this, [this](const QString& text) {
        CupHeader header = CupHeader::of(m_cup);
        header.name = text;
        changeHeader(m_cup, HeaderCommand::Name, header);
    });
    connect(veranstalter, &QLineEdit::textEdited, this, [this](const QString& text) {
        CupHeader header = CupHeader::of(m_cup);
        header.veranstalter = text;
        changeHeader(m_cup, HeaderCommand::Veranstalter, header);
    });
    connect(kategorie, &QComboBox::activated, this, &CupTab::kategorieChange);
    connect(kategorie->lineEdit(), &QLineEdit::textEdited, this, &CupTab::kategorieChange);
    connect(minW, &UpDown::stepped, this, &CupTab::minChange);
    connect(maxW, &UpDown::stepped, this, &CupTab::maxChange);
    fill();
}

QLabel* CupTab::label(const QWidget* field) const {
    for (const auto& [label, labelled] : m_labels)
        if (labelled == field) return label;
    return nullptr;
}

// Places the rows top-down: each label at its field's top minus the label height, unless the row
// above needs more room; "Cup-Variationen" beside the header fields, the other tables below.
void CupTab::arrange() {
    int top = 0; // the highest top the next row may take
    struct Cell {
        QWidget* field;
        int left;
        int labelRoom;
    };
    // Returns the top and height of the row's fields.
    const auto row = [&](int fieldTop, std::initializer_list<Cell> cells) {
        const int labelTop = std::max(top, fieldTop - kLabelHeight);
        int labelHeight = 0;
        int height = 0;
        for (const Cell& cell : cells) {
            labelHeight = std::max(labelHeight, fitLabel(label(cell.field), {cell.left, labelTop},
                                                         cell.labelRoom));
            height = std::max(height, fieldHeight(cell.field));
        }
        top = labelTop + labelHeight + height + kRowGap;
        return std::pair{labelTop + labelHeight, height};
    };

    int fieldTop = 16;
    for (QWidget* field : std::initializer_list<QWidget*>{name, veranstalter, kategorie}) {
        const auto [rowTop, height] = row(fieldTop, {{field, 0, kWidth}});
        field->setGeometry(0, rowTop, kWidth, height);
        fieldTop += 40;
    }
    const auto [rowTop, height] =
        row(fieldTop, {{min, 0, kMaxLeft}, {max, kMaxLeft, kRightLeft - kMaxLeft}});
    min->setGeometry(0, rowTop, 169, height);
    minW->setGeometry(169, rowTop, 16, height);
    max->setGeometry(kMaxLeft, rowTop, 177, height);
    maxW->setGeometry(kMaxLeft + 177, rowTop, 16, height);

    const int cvTop = fitLabel(label(cv), {kRightLeft, 0}, kWidth);
    cv->setGeometry(kRightLeft, cvTop, kWidth, rowTop + height - 4 - cvTop);

    const int labelTop = std::max(top, 176 - kLabelHeight);
    const int gridsTop = labelTop + std::max(fitLabel(label(ag), {0, labelTop}, kWidth),
                                             fitLabel(label(pv), {391, labelTop}, kWidth));
    ag->setGeometry(0, gridsTop, kWidth, kGridsBottom - gridsTop);
    pv->setGeometry(391, gridsTop, kWidth, kGridsBottom - gridsTop);
}

void CupTab::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) arrange();
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

// A spinner step, coupled with the other spinner and the race count, is one step of the history.
void CupTab::minChange(int value) {
    CupHeader header = CupHeader::of(m_cup);
    header.min = value;
    coupleMin(header.min, header.max, m_cup.raceCount());
    changeHeader(m_cup, HeaderCommand::Min, header);
    showMinMax();
}

void CupTab::maxChange(int value) {
    CupHeader header = CupHeader::of(m_cup);
    header.max = value;
    coupleMax(header.min, header.max, m_cup.raceCount());
    changeHeader(m_cup, HeaderCommand::Max, header);
    showMinMax();
}

void CupTab::kategorieChange() {
    CupHeader header = CupHeader::of(m_cup);
    header.kategorie = static_cast<int>(kategorieTexts().indexOf(kategorie->currentText()));
    changeHeader(m_cup, HeaderCommand::Kategorie, header);
}

} // namespace rzv
