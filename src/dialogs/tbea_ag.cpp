#include "dialogs/tbea_ag.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "commands/saveagegroup.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace rzv {

namespace {
const QString kAddCaption = QStringLiteral("Altersgruppe hinzufügen");
const QString kEditCaption = QStringLiteral("Altersgruppe bearbeiten");
} // namespace

Tbea_ag::Tbea_ag(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_ag"));
    m_weib = textField("weib", 9, 12);
    m_mann = textField("mann", 9, 12);
    m_alterW = spinner("alterW", 1, 150, 20);
    m_speichern = button("speichern", QStringLiteral("Altersgruppe speichern"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        labelled(QStringLiteral("Bezeichnungs dieser Altersgruppe (weiblich):"), {m_weib}));
    layout->addLayout(
        labelled(QStringLiteral("Bezeichnungs dieser Altersgruppe (männlich):"), {m_mann}));
    layout->addLayout(labelled(QStringLiteral("Maximalalter dieser Altersgruppe:"), {m_alterW}));
    layout->addWidget(m_speichern, 0, Qt::AlignRight);
    fixSize();
    setTabOrder(m_weib, m_mann);
    setTabOrder(m_mann, m_alterW);
    setTabOrder(m_alterW, m_speichern);

    onClick(m_speichern, &Tbea_ag::speichernClick);
}

void Tbea_ag::showAdd() {
    setWindowTitle(kAddCaption);
    m_editedGroup = 0;
    present();
}

void Tbea_ag::showEdit(int R) {
    setWindowTitle(kEditCaption);
    const TCellGrid& ag = cup().ag;
    m_editedGroup = ag.rowId(R);
    m_weib->setText(ag.cell(0, R));
    m_mann->setText(ag.cell(1, R));
    m_alterW->setValue(readIntOr(ag.cell(2, R), m_alterW->value()));
    present();
}

void Tbea_ag::speichernClick() {
    if (m_weib->text().isEmpty() || m_mann->text().isEmpty()) return;
    if (windowTitle() == kAddCaption)
        addGroup();
    else
        saveEditedGroup();
}

// Another group with the same female or male designation or the same maximum age.
bool Tbea_ag::duplicates() const {
    const TCellGrid& ag = cup().ag;
    const QString alter = QString::number(m_alterW->value());
    for (int row = 1; row < ag.rowCount(); ++row)
        if (ag.cell(0, row) == m_weib->text() || ag.cell(1, row) == m_mann->text() ||
            ag.cell(2, row) == alter)
            return true;
    return false;
}

void Tbea_ag::addGroup() {
    if (duplicates()) {
        prompt().notice(QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
        return;
    }
    hide();
    runCommand(cup(), std::make_unique<SaveAgeGroupCommand>(cup(), 0, m_weib->text(),
                                                            m_mann->text(), m_alterW->value()));
}

void Tbea_ag::saveEditedGroup() {
    if (findRow(cup().ag, m_editedGroup) < 1) {
        entryGone(QStringLiteral("Die bearbeitete Altersgruppe"));
        return;
    }
    hide();
    runCommand(cup(), std::make_unique<SaveAgeGroupCommand>(cup(), m_editedGroup, m_weib->text(),
                                                            m_mann->text(), m_alterW->value()));
}

} // namespace rzv
