#include "dialogs/timport.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "dialogs/cuptextvalidator.h"
#include "ui/prompt.h"
#include "ui/remembered.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rzv {

namespace {

constexpr int kPreviewRows = 10;

const Remembered kImportFolder(QStringLiteral("Import/Ordner"));
const Remembered kImportCup(QStringLiteral("Import/Cup"));

const QString kBeforeCheck = QStringLiteral("„Prüfen“ zeigt, was der Import ändern wird, bevor sich etwas ändert.");

QString delimiterName(QChar delimiter) {
    return delimiter == u'\t' ? QStringLiteral("Tabulator") : QStringLiteral("„%1“").arg(delimiter);
}

} // namespace

QString chooseImportFile(Prompt& prompt) {
    const QString path = prompt.openFileName(QStringLiteral("Importieren"),
                                             QStringLiteral("CSV-Dateien (*.csv *.txt)"),
                                             QStringLiteral("csv"), kImportFolder.last());
    if (!path.isEmpty()) kImportFolder.remember({}, QFileInfo(path).absolutePath());
    return path;
}

Timport::Timport(const TCupData& cupData, Prompt& prompt, CsvTable table, const QString& fileName,
                 int race, Apply apply, QWidget* parent)
    : QDialog(parent), m_cup(cupData), m_prompt(prompt), m_table(std::move(table)),
      m_columns(m_table.columnCount()), m_apply(std::move(apply)) {
    setObjectName(QStringLiteral("import"));
    setWindowTitle(QStringLiteral("Importieren"));
    setModal(true);
    const ColumnMapping detected = detectMapping(m_table);

    kopfzeile = new QCheckBox(QStringLiteral("Erste Zeile ist eine &Kopfzeile"), this);
    kopfzeile->setChecked(detected.headerRow);
    vorschau = new QTableWidget(this);
    vorschau->setColumnCount(m_columns);
    vorschau->setRowCount(1);
    vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 0; column < m_columns; ++column) {
        auto* choice = new QComboBox(vorschau);
        choice->setObjectName(QStringLiteral("feld%1").arg(column + 1));
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(14);
        for (const ImportField field : importFields()) choice->addItem(fieldCaption(field), static_cast<int>(field));
        choice->setCurrentIndex(choice->findData(static_cast<int>(detected.fieldOf(column))));
        connect(choice, &QComboBox::currentIndexChanged, this, &Timport::choicesChanged);
        vorschau->setCellWidget(0, column, choice);
    }

    ziel = new QComboBox(this);
    ziel->addItem(QStringLiteral("nur Teilnehmer"));
    for (int k = 1; k <= m_cup.raceCount(); ++k)
        ziel->addItem(QStringLiteral("Ergebnisse in Lauf %1 (%2, %3)")
                          .arg(k)
                          .arg(m_cup.laufe.cell(k, kDatum), m_cup.laufe.cell(k, kLauftyp)));
    ziel->setCurrentIndex(race >= 0 && race <= m_cup.raceCount() ? race : 0);
    abgleich = new QComboBox(this);
    abgleich->addItems({QStringLiteral("über die Startnummer"),
                        QStringLiteral("über Name, Vorname und Jahrgang")});
    abgleich->setCurrentIndex(detected.has(ImportField::Startnummer) ? 0 : 1);
    cup = new QComboBox(this);
    cup->addItem(QString());
    for (int row = 1; row < m_cup.cv.rowCount(); ++row) cup->addItem(m_cup.cv.cell(0, row));
    cup->setCurrentIndex(std::max(0, cup->findText(kImportCup.forCup(m_cup.fileName))));
    cup->setEnabled(m_cup.hasCupVariations());
    verein = new QLineEdit(ImportOptions().defaultClub, this);
    verein->setValidator(new CupTextValidator(verein));
    aehnlicheText = new QLabel(QStringLiteral("Ähnliche Teilnehmer: angehakt ist es derselbe Läufer, sonst "
                                              "wird er ein neuer Teilnehmer."),
                               this);
    aehnliche = new QListWidget(this);
    aehnlicheText->setVisible(false);
    aehnliche->setVisible(false);

    pruefen = new QPushButton(QStringLiteral("&Prüfen"), this);
    uebernehmen = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    uebernehmen->setEnabled(false);
    for (QPushButton* button : {pruefen, uebernehmen, abbrechen}) button->setAutoDefault(false);
    zusammenfassung = new QPlainTextEdit(this);
    zusammenfassung->setReadOnly(true);
    zusammenfassung->setPlainText(kBeforeCheck);

    buildLayout(fileName);
    fillPreview();

    connect(kopfzeile, &QCheckBox::toggled, this, [this] {
        fillPreview();
        choicesChanged();
    });
    for (QComboBox* choice : {ziel, abgleich, cup})
        connect(choice, &QComboBox::currentIndexChanged, this, &Timport::choicesChanged);
    connect(verein, &QLineEdit::textChanged, this, &Timport::choicesChanged);
    connect(aehnliche, &QListWidget::itemChanged, this, &Timport::similarTicked);
    connect(pruefen, &QPushButton::clicked, this, &Timport::pruefenClick);
    connect(uebernehmen, &QPushButton::clicked, this, &Timport::uebernehmenClick);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(820, 600);
}

void Timport::buildLayout(const QString& fileName) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Datei: %1 (%2, Trennzeichen %3, %4 Zeilen)")
                                     .arg(fileName, m_table.encoding, delimiterName(m_table.delimiter))
                                     .arg(m_table.records.size())));
    layout->addWidget(kopfzeile);
    layout->addWidget(vorschau, 3);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Ziel:"), ziel);
    form->addRow(QStringLiteral("&Teilnehmer finden:"), abgleich);
    form->addRow(QStringLiteral("&Cup, wo die Datei keinen nennt:"), cup);
    form->addRow(QStringLiteral("&Verein, wo die Datei keinen nennt:"), verein);
    layout->addLayout(form);
    layout->addWidget(aehnlicheText);
    layout->addWidget(aehnliche, 1);
    layout->addWidget(zusammenfassung, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {pruefen, uebernehmen, abbrechen}) buttons->addWidget(button);
    layout->addLayout(buttons);
}

// The drop-downs in the first row, then the first rows of data; the captions are the file's
// header when it has one.
void Timport::fillPreview() {
    const bool header = kopfzeile->isChecked();
    const size_t first = header ? 1 : 0;
    const size_t shown = std::min(m_table.records.size() - std::min(first, m_table.records.size()),
                                  static_cast<size_t>(kPreviewRows));
    vorschau->setRowCount(1 + static_cast<int>(shown));
    QStringList rowCaptions{QStringLiteral("Feld")};
    for (size_t i = 0; i < shown; ++i) {
        const CsvRecord& record = m_table.records[first + i];
        rowCaptions << QStringLiteral("Zeile %1").arg(record.line);
        for (int column = 0; column < m_columns; ++column)
            vorschau->setItem(static_cast<int>(i) + 1, column, new QTableWidgetItem(record.fields.value(column)));
    }
    vorschau->setVerticalHeaderLabels(rowCaptions);
    QStringList columnCaptions;
    for (int column = 0; column < m_columns; ++column)
        columnCaptions << (header ? m_table.records.front().fields.value(column)
                                  : QStringLiteral("Spalte %1").arg(column + 1));
    vorschau->setHorizontalHeaderLabels(columnCaptions);
    vorschau->resizeColumnsToContents();
}

QComboBox* Timport::fieldChoice(int column) const {
    return qobject_cast<QComboBox*>(vorschau->cellWidget(0, column));
}

ColumnMapping Timport::mapping() const {
    ColumnMapping mapping;
    mapping.headerRow = kopfzeile->isChecked();
    for (int column = 0; column < m_columns; ++column)
        mapping.fields.push_back(static_cast<ImportField>(fieldChoice(column)->currentData().toInt()));
    return mapping;
}

ImportOptions Timport::options() const {
    ImportOptions options;
    options.race = ziel->currentIndex();
    options.matchByName = abgleich->currentIndex() == 1;
    options.defaultCup = cup->currentText();
    options.defaultClub = verein->text();
    options.similar = SimilarRows::New;
    options.sameLines = m_sameLines;
    return options;
}

void Timport::choicesChanged() {
    if (!m_plan) return;
    m_plan.reset();
    uebernehmen->setEnabled(false);
    zusammenfassung->setPlainText(QStringLiteral("Die Auswahl hat sich geändert. ") + kBeforeCheck);
}

void Timport::pruefenClick() {
    m_plan.reset();
    uebernehmen->setEnabled(false);
    try {
        m_plan = checkImport(m_cup, m_table, mapping(), options());
    } catch (const RzvError& error) {
        zusammenfassung->setPlainText(error.message());
        return;
    }
    showSimilar();
    QStringList lines = importSummary(*m_plan, false);
    if (m_plan->changesNothing()) lines.prepend(QStringLiteral("Aus dieser Datei kann nichts importiert werden."));
    zusammenfassung->setPlainText(lines.join(u'\n'));
    uebernehmen->setEnabled(!m_plan->changesNothing());
}

// The similar rows of the plan, each with its tick.
void Timport::showSimilar() {
    const QSignalBlocker quiet(aehnliche);
    aehnliche->clear();
    for (const ImportSimilar& similar : m_plan->similar) {
        auto* item = new QListWidgetItem(QStringLiteral("Zeile %1: %2 – %3 (%4)")
                                             .arg(similar.line)
                                             .arg(similar.row, similar.candidate, similar.reason),
                                         aehnliche);
        item->setData(Qt::UserRole, similar.line);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_sameLines.count(similar.line) > 0 ? Qt::Checked : Qt::Unchecked);
    }
    aehnlicheText->setVisible(aehnliche->count() > 0);
    aehnliche->setVisible(aehnliche->count() > 0);
}

// A tick changes what the row becomes: the plan is checked again at once.
void Timport::similarTicked(QListWidgetItem* item) {
    const int line = item->data(Qt::UserRole).toInt();
    if (item->checkState() == Qt::Checked)
        m_sameLines.insert(line);
    else
        m_sameLines.erase(line);
    pruefenClick();
}

// Applies the checked plan and tells what it did: its counts, as the details were shown before.
void Timport::uebernehmenClick() {
    if (!m_plan || m_plan->changesNothing()) return;
    const Prompt::Owner asking(m_prompt, this);
    if (!m_apply(*m_plan)) return;
    kImportCup.remember(m_cup.fileName, cup->currentText());
    QStringList counts{QStringLiteral("Der Import wurde übernommen.")};
    for (const QString& line : importSummary(*m_plan, true))
        if (!line.startsWith(u' ')) counts << line;
    m_prompt.inform(counts.join(u'\n'));
    accept();
}

} // namespace rzv
