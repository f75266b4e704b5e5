#include "dialogs/tbea_cup.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/notation.h"
#include "commands/savecupvariation.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace rzv {

namespace {
const QString kAddCaption = QStringLiteral("Cup-Variation hinzufügen");
const QString kEditCaption = QStringLiteral("Cup-Variation bearbeiten");
} // namespace

Tbea_cup::Tbea_cup(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_cup"));
    m_name = textField("name", 31, 31);
    m_strecke = textField("strecke", 31, 31);
    m_zeit = textField("zeit", 31, 31);
    m_speichern = button("speichern", QStringLiteral("Cup-Variation speichern"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        labelled(QStringLiteral("Name des Veranstalters / austragenden Vereins:"), {m_name}));
    layout->addLayout(
        labelled(QStringLiteral("Strecke für Zeitlauflauf (in xxxxxm):"), {m_strecke}));
    layout->addLayout(labelled(QStringLiteral("Zeit für Distanzlauf (in h:mm'ss,h\"):"), {m_zeit}));
    layout->addWidget(m_speichern, 0, Qt::AlignRight);
    fixSize();
    setTabOrder(m_name, m_strecke);
    setTabOrder(m_strecke, m_zeit);
    setTabOrder(m_zeit, m_speichern);

    watch(m_strecke);
    watch(m_zeit);
    onClick(m_speichern, &Tbea_cup::speichernClick);
}

void Tbea_cup::showAdd() {
    setWindowTitle(kAddCaption);
    m_editedVariation = 0;
    present();
}

void Tbea_cup::showEdit(int R) {
    setWindowTitle(kEditCaption);
    const TCellGrid& cv = cup().cv;
    m_editedVariation = cv.rowId(R);
    m_name->setText(cv.cell(0, R));
    m_strecke->setText(cv.cell(1, R));
    m_zeit->setText(cv.cell(2, R));
    present();
}

bool Tbea_cup::fieldLeft(QWidget* field) {
    if (field == m_strecke) m_strecke->setText(checkdist(m_strecke->text()));
    if (field == m_zeit) m_zeit->setText(checktime(m_zeit->text()));
    return true;
}

void Tbea_cup::speichernClick() {
    leaveFocusedField();
    if (m_name->text().isEmpty() || m_strecke->text().isEmpty() || m_zeit->text().isEmpty()) return;
    if (windowTitle() == kAddCaption)
        addVariation();
    else
        saveEditedVariation();
}

void Tbea_cup::addVariation() {
    TCupData& c = cup();
    // The first cup variation turns the races into cup races, whose times and distances are
    // those of the variations.
    const bool firstWithRaces = !c.hasCupVariations() && c.raceCount() > 0;
    if (firstWithRaces &&
        !prompt().ask(QStringLiteral("Es sind bereits Läufe eingetragen!\n\r") +
                      QStringLiteral("Sollen die Zeit/Distanz-Eintragungen gelöscht werden!")))
        return;
    hide();
    runCommand(c, std::make_unique<SaveCupVariationCommand>(c, 0, m_name->text(), m_strecke->text(),
                                                            m_zeit->text(), firstWithRaces));
}

void Tbea_cup::saveEditedVariation() {
    TCupData& c = cup();
    if (findRow(c.cv, m_editedVariation) < 1) {
        entryGone(QStringLiteral("Die bearbeitete Cup-Variation"));
        return;
    }
    hide();
    runCommand(c, std::make_unique<SaveCupVariationCommand>(c, m_editedVariation, m_name->text(),
                                                            m_strecke->text(), m_zeit->text()));
}

} // namespace rzv
