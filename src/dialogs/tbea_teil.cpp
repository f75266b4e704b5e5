#include "dialogs/tbea_teil.h"

#include "commands/saveparticipant.h"
#include "cup/cupdata.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "dialogs/resultgrid.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace rzv {

namespace {

const QString kAddCaption = QStringLiteral("Teilnehmer hinzufügen");
const QString kEditCaption = QStringLiteral("Teilnehmer bearbeiten");

QComboBox* pickList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumContentsLength(12);
    return list;
}

// Selects every item equal to the text in turn, so the last equal one ends up selected; with
// none equal the selection stays as it was.
void selectText(QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == text) list->setCurrentIndex(i);
}

} // namespace

Tbea_teil::Tbea_teil(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_teil"));
    m_name = textField("name", 0, 22);
    m_vorname = textField("vorname", 0, 22);
    m_geb = textField("geb", 0, 12);
    m_ges = pickList(this, "ges");
    m_ges->addItems({QStringLiteral("weiblich"), QStringLiteral("männlich")});
    m_vereinS = pickList(this, "vereinS");
    m_verein = textField("verein", 0, 22);
    m_alt = pickList(this, "alt");
    m_cup = pickList(this, "cup");
    m_sn = textField("sn", 0, 8);
    m_erg = new ResultGrid(this);
    m_erg->setObjectName(QStringLiteral("erg"));
    m_erg->setFixedSize(m_erg->captionWidth() + 70 +
                            m_erg->verticalScrollBar()->sizeHint().width() +
                            2 * m_erg->frameWidth(),
                        10 * 18 + 2 * m_erg->frameWidth());
    m_speichern = button("speichern", QStringLiteral("Teilnehmerdaten speichern"));

    buildLayout();
    fixSize();
    resetFields();

    for (QWidget* field : {static_cast<QWidget*>(m_geb), static_cast<QWidget*>(m_sn),
                           static_cast<QWidget*>(m_vereinS), static_cast<QWidget*>(m_alt)})
        watch(field);
    connect(m_vereinS, &QComboBox::textActivated, m_verein, &QLineEdit::setText);
    onClick(m_speichern, &Tbea_teil::speichernClick);
    connect(&cup, &TCupData::tablesChanged, this, &Tbea_teil::followCup);
}

void Tbea_teil::buildLayout() {
    auto* person = new QVBoxLayout;
    person->addLayout(sideBySide({labelled(QStringLiteral("Name"), {m_name}),
                                  labelled(QStringLiteral("Vorname"), {m_vorname})}));
    person->addLayout(sideBySide({labelled(QStringLiteral("Geburtsdatum"), {m_geb}),
                                  labelled(QStringLiteral("Geschlecht"), {m_ges})}));
    person->addLayout(labelled(QStringLiteral("Verein"), {m_vereinS, m_verein}));
    person->addLayout(sideBySide({labelled(QStringLiteral("Altersgruppe"), {m_alt}),
                                  labelled(QStringLiteral("Cup"), {m_cup})}));
    person->addLayout(labelled(QStringLiteral("Startnummer"), {m_sn}));
    person->addStretch();
    person->addWidget(m_speichern, 0, Qt::AlignLeft);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(person);
    columns->addSpacing(12);
    auto* results = new QVBoxLayout;
    results->addLayout(labelled(QStringLiteral("Laufergebnisse:"), {m_erg}));
    results->addStretch();
    columns->addLayout(results);

    const QList<QWidget*> order{m_name, m_vorname, m_geb, m_ges, m_vereinS,  m_verein,
                                m_alt,  m_cup,     m_sn,  m_erg, m_speichern};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Tbea_teil::showAdd() {
    present();
    resetFields();
    setWindowTitle(kAddCaption);
    m_editedParticipant = 0;
    m_ges->setCurrentIndex(0);
    fillFromCup(0);
}

void Tbea_teil::showEdit(int R) {
    present();
    setWindowTitle(kEditCaption);
    const TCellGrid& teil = cup().teil;
    m_editedParticipant = teil.rowId(R);
    fillFromCup(R);
    m_name->setText(teil.cell(kName, R));
    m_vorname->setText(teil.cell(kVorname, R));
    m_geb->setText(teil.cell(kGeburtsdatum, R));
    selectText(m_ges, teil.cell(kGeschlecht, R));
    m_verein->setText(teil.cell(kVerein, R));
    selectText(m_alt, teil.cell(kAltersgruppe, R));
    m_sn->setText(teil.cell(kStartnummer, R));
    selectText(m_cup, teil.cell(kCup, R));
}

void Tbea_teil::resetFields() {
    for (QLineEdit* field : {m_name, m_vorname, m_verein, m_sn})
        field->clear();
    m_geb->setText(kDatePlaceholder);
    for (QComboBox* list : {m_ges, m_vereinS, m_alt, m_cup})
        list->setCurrentIndex(-1);
    m_erg->clearResults();
}

void Tbea_teil::fillFromCup(int R) {
    const TCupData& c = cup();
    m_alt->clear();
    for (int row = 1; row < c.ag.rowCount(); ++row)
        m_alt->addItems({c.ag.cell(0, row), c.ag.cell(1, row)});
    m_alt->setCurrentIndex(-1);
    m_cup->clear();
    m_cup->setEnabled(c.hasCupVariations());
    for (int row = 1; row < c.cv.rowCount(); ++row)
        m_cup->addItem(c.cv.cell(0, row));
    m_cup->setCurrentIndex(-1);
    m_erg->fill(c, R);
}

// While adding, the lists and the result grid follow the cup (a race added or removed, a new or
// loaded cup), keeping what was chosen and typed where it still exists.
void Tbea_teil::followCup() {
    if (!isVisible() || windowTitle() != kAddCaption) return;
    m_erg->commitEditing();
    const QString alt = m_alt->currentText();
    const QString cupName = m_cup->currentText();
    const auto typed = m_erg->results();
    fillFromCup(0);
    if (!alt.isEmpty()) selectText(m_alt, alt);
    if (!cupName.isEmpty()) selectText(m_cup, cupName);
    m_erg->setResults(typed);
}

void Tbea_teil::fieldEntered(QWidget* field) {
    if (field == m_sn && m_sn->text().isEmpty()) {
        m_sn->setText(findsn(cup()));
        m_sn->selectAll();
    } else if (field == m_vereinS) {
        const QString chosen = m_vereinS->currentText();
        QStringList items;
        for (int i = 0; i < m_vereinS->count(); ++i)
            items.append(m_vereinS->itemText(i));
        const QStringList merged = vereinelesen(items, cup().teil);
        if (merged != items) {
            m_vereinS->clear();
            m_vereinS->addItems(merged);
            m_vereinS->setCurrentIndex(chosen.isEmpty() ? -1 : m_vereinS->findText(chosen));
        }
    } else if (field == m_alt) {
        if (const auto proposal = checkaltgr(m_geb->text(), m_ges->currentIndex(), cup())) {
            const int index = m_alt->findText(*proposal);
            if (index >= 0) m_alt->setCurrentIndex(index);
        }
    }
}

bool Tbea_teil::fieldLeft(QWidget* field) {
    if (field == m_geb) m_geb->setText(checkdate(m_geb->text()));
    if (field == m_sn) m_sn->setText(checksn(m_sn->text(), cup(), editedRow()));
    return true;
}

// The row of the participant being edited, 0 while adding or when it no longer exists.
int Tbea_teil::editedRow() const {
    if (windowTitle() != kEditCaption) return 0;
    return std::max(0, findRow(cup().teil, m_editedParticipant));
}

bool Tbea_teil::complete() const {
    if (m_name->text().isEmpty() || m_vorname->text().isEmpty()) return false;
    if (m_geb->text() == kDatePlaceholder) return false;
    if (m_ges->currentText().isEmpty() || m_verein->text().isEmpty()) return false;
    if (m_alt->currentText().isEmpty() || m_sn->text().isEmpty()) return false;
    return cup().hasCupVariations() != m_cup->currentText().isEmpty();
}

void Tbea_teil::speichernClick() {
    m_erg->commitEditing();
    leaveFocusedField();
    if (!complete()) return;
    TCupData& c = cup();
    const bool adding = windowTitle() == kAddCaption;
    if (!adding && findRow(c.teil, m_editedParticipant) < 1) {
        entryGone(QStringLiteral("Der bearbeitete Teilnehmer"));
        return;
    }
    const ParticipantEntry entry{{m_name->text(), m_vorname->text(), m_geb->text(),
                                  m_ges->currentText(), m_verein->text(), m_alt->currentText(),
                                  m_sn->text(), m_cup->currentText()},
                                 m_erg->results()};
    runCommand(c, std::make_unique<SaveParticipantCommand>(c, adding ? 0 : m_editedParticipant,
                                                           entry));
    resetFields();
    m_name->setFocus();
    if (adding)
        fillFromCup(0); // the next participant gets the cup's current races and lists
    else
        hide();
}

} // namespace rzv
