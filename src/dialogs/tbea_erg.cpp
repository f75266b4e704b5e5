#include "dialogs/tbea_erg.h"

#include "commands/setresult.h"
#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/notation.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace rzv {

Tbea_erg::Tbea_erg(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_erg"));
    setWindowTitle(QStringLiteral("Schnelle Ergebniseingabe"));
    m_sn = textField("sn", 0, 10);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setFrameShape(QFrame::Panel);
    m_name->setFrameShadow(QFrame::Sunken);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_name->setFixedWidth(m_name->fontMetrics().averageCharWidth() * 40);
    m_erg = textField("erg", 0, 16);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelled(QStringLiteral("Geben Sie ein Startnummer ein:"), {m_sn}));
    layout->addLayout(labelled(QStringLiteral("Name:"), {m_name}));
    m_ergLabel = new QLabel(QStringLiteral("Ergebnis in diesem Lauf:"), this);
    m_ergLabel->setBuddy(m_erg);
    layout->addWidget(m_ergLabel);
    layout->addWidget(m_erg, 0, Qt::AlignLeft);
    fixSize();
    setTabOrder(m_sn, m_erg);

    watch(m_sn);
    watch(m_erg);
}

void Tbea_erg::showForRace(int k) {
    present();
    m_race = cup().teil.colId(resultColumn(k));
    snEnter();
    m_sn->setFocus(Qt::OtherFocusReason);
    m_ergLabel->setText(QStringLiteral("Ergebnis in Lauf ") + QString::number(k) +
                        QStringLiteral(" - ") + cup().laufe.cell(k, kLauftyp));
}

void Tbea_erg::fieldEntered(QWidget* field) {
    if (field == m_sn) snEnter();
    if (field == m_erg) m_oldValue = m_erg->text();
}

bool Tbea_erg::fieldLeft(QWidget* field) {
    if (field == m_sn) return snExit();
    if (field == m_erg) ergExit();
    return true;
}

void Tbea_erg::snEnter() {
    m_sn->clear();
    m_name->clear();
    m_erg->clear();
    m_participant = 0;
}

// Looks the typed start number up; false keeps the focus in the field.
bool Tbea_erg::snExit() {
    const auto number = readInt(m_sn->text());
    if (!number) {
        if (m_sn->text().isEmpty()) hide();
        return false;
    }
    const QString startNumber = padStartNumber(*number);
    const TCellGrid& teil = cup().teil;
    int row = 1;
    while (row < teil.rowCount() && teil.cell(kStartnummer, row) != startNumber)
        ++row;
    if (row >= teil.rowCount()) return false;
    m_participant = teil.rowId(row);
    Q_EMIT participantFound(row);
    m_sn->setText(startNumber);
    m_name->setText(teil.cell(kName, row) + QStringLiteral(", ") + teil.cell(kVorname, row));
    const int column = findCol(teil, m_race);
    m_erg->setText(column >= kErstesErgebnis ? teil.cell(column, row) : QString());
    return true;
}

void Tbea_erg::ergExit() {
    const int column = findCol(cup().teil, m_race);
    const QString raceType = cup().laufe.cell(column - (kTeilFixedCols - 1), kLauftyp);
    const QString result = normalizeResult(m_erg->text(), raceType);
    m_erg->setText(result);
    if (m_sn->text().isEmpty()) return;
    if (result != m_oldValue && !m_oldValue.isEmpty() &&
        !prompt().ask(QStringLiteral("Wollen Sie den alten Wert (") + m_oldValue +
                      QStringLiteral(") überschreiben?")))
        return;
    store(result);
}

void Tbea_erg::store(const QString& result) {
    TCupData& c = cup();
    const int row = findRow(c.teil, m_participant);
    const int column = findCol(c.teil, m_race);
    if (row < 1 || column < kErstesErgebnis) {
        const QString what =
            row < 1 ? QStringLiteral("Der Teilnehmer") : QStringLiteral("Der Lauf");
        prompt().notice(what + QStringLiteral(" ist nicht mehr vorhanden!\r\n") +
                        QStringLiteral("Das Ergebnis wurde nicht gespeichert."));
        return;
    }
    runCommand(c, std::make_unique<SetResultCommand>(c, m_participant, m_race, result));
}

} // namespace rzv
