#include "dialogs/tvereine.h"

#include "cup/cupdata.h"
#include "dialogs/cuptextvalidator.h"
#include "identity/clubgroups.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rzv {

namespace {

QTreeWidgetItem* spellingItem(const ClubSpelling& spelling) {
    auto* item = new QTreeWidgetItem({spelling.text, QString::number(spelling.participants)});
    item->setData(0, Qt::UserRole, spelling.text);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

Tvereine::Tvereine(const TCupData& cupData, Rename rename, QWidget* parent)
    : QDialog(parent), m_cup(cupData), m_rename(std::move(rename)) {
    setObjectName(QStringLiteral("vereine"));
    setWindowTitle(QStringLiteral("Vereine vereinheitlichen"));
    setModal(true);
    schreibweisen = new QTreeWidget(this);
    schreibweisen->setHeaderLabels({QStringLiteral("Schreibweise"), QStringLiteral("Teilnehmer")});
    schreibweisen->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    schreibweisen->header()->setStretchLastSection(false);
    neuerName = new QComboBox(this);
    neuerName->setEditable(true);
    neuerName->setInsertPolicy(QComboBox::NoInsert);
    neuerName->lineEdit()->setValidator(new CupTextValidator(neuerName->lineEdit()));
    umbenennen = new QPushButton(QStringLiteral("&Umbenennen"), this);
    schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    for (QPushButton* button : {umbenennen, schliessen}) button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Schreibweisen, die wohl denselben Verein meinen, stehen "
                                                "unter der meistgenutzten:"),
                                 this));
    layout->addWidget(schreibweisen, 1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Die gewählte Schreibweise &umbenennen in:"), neuerName);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(umbenennen);
    buttons->addWidget(schliessen);
    layout->addLayout(buttons);

    connect(schreibweisen, &QTreeWidget::currentItemChanged, this, &Tvereine::spellingChosen);
    connect(neuerName, &QComboBox::currentTextChanged, this, &Tvereine::spellingChosen);
    connect(umbenennen, &QPushButton::clicked, this, &Tvereine::umbenennenClick);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    fill();
    resize(560, 520);
}

// Groups of several spellings first, as they are what needs a look.
void Tvereine::fill() {
    std::vector<ClubGroup> groups = clubGroups(m_cup.teil);
    std::stable_partition(groups.begin(), groups.end(), [](const ClubGroup& group) { return group.size() > 1; });
    schreibweisen->clear();
    QStringList names;
    for (const ClubGroup& group : groups) {
        QTreeWidgetItem* leader = spellingItem(group.front());
        for (auto spelling = group.begin() + 1; spelling != group.end(); ++spelling)
            leader->addChild(spellingItem(*spelling));
        schreibweisen->addTopLevelItem(leader);
        for (const ClubSpelling& spelling : group) names << spelling.text;
    }
    schreibweisen->expandAll();
    schreibweisen->resizeColumnToContents(1);
    names.sort(Qt::CaseInsensitive);
    const QString typed = neuerName->currentText();
    neuerName->clear();
    neuerName->addItems(names);
    neuerName->setCurrentText(typed);
    if (schreibweisen->topLevelItemCount() > 0) {
        QTreeWidgetItem* first = schreibweisen->topLevelItem(0);
        schreibweisen->setCurrentItem(first->childCount() > 0 ? first->child(0) : first);
    }
    spellingChosen();
}

// A spelling of a group is proposed to take the group's leading name.
void Tvereine::spellingChosen() {
    QTreeWidgetItem* item = schreibweisen->currentItem();
    if (sender() == schreibweisen && item && item->parent())
        neuerName->setCurrentText(item->parent()->text(0));
    const QString to = neuerName->currentText().trimmed();
    umbenennen->setEnabled(item && !to.isEmpty() && to != item->data(0, Qt::UserRole).toString());
}

void Tvereine::umbenennenClick() {
    const QTreeWidgetItem* item = schreibweisen->currentItem();
    const QString to = neuerName->currentText().trimmed();
    if (!item || to.isEmpty()) return;
    m_rename(item->data(0, Qt::UserRole).toString(), to);
    fill();
}

} // namespace rzv
