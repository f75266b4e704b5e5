#include "app/mainmenu.h"

#include "app/filecommands.h"
#include "app/historyactions.h"
#include "app/identitycommands.h"
#include "app/importcommand.h"
#include "app/menubuilder.h"
#include "app/publishcommand.h"
#include "ui/prompt.h"
#include "app/tw.h"
#include "dialogs/thtml.h"
#include "dialogs/tmannschaft.h"
#include "dialogs/tuberrzv.h"
#include "dialogs/turkunden.h"

#include <QMenuBar>

namespace rzv {

MainMenu::MainMenu(Tw& w) : QObject(&w), m_w(w) {
    FileCommands* files = w.files.get();
    QMenu* datei = w.menuBar()->addMenu(QStringLiteral("&Datei"));
    neu = addEntry(datei, QStringLiteral("&Neu"), this, [files] { files->neu(); });
    neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    laden = addEntry(datei, QStringLiteral("&Laden"), this, [files] { files->laden(); });
    laden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    speichern =
        addEntry(datei, QStringLiteral("&Speichern"), this, [files] { files->speichern(); });
    speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    speichernunter = addEntry(datei, QStringLiteral("Speichern &unter"), this,
                              [files] { files->speichernUnter(); });
    veroeffentlichen = addEntry(datei, QStringLiteral("&Veröffentlichen …"), this,
                                [&w] { veroeffentlichenClick(w.cup, w.prompt()); });
    importieren = addEntry(datei, QStringLiteral("&Importieren …"), this, [&w] { rzv::importieren(w, 0); });
    datei->addSeparator();
    beenden = addEntry(datei, QStringLiteral("E&xit"), &w, &QWidget::close);

    QMenu* bearbeitenMenu = w.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten = new HistoryActions(w.cup.history(), bearbeitenMenu);
    bearbeitenMenu->addSeparator();
    doppelte = addEntry(bearbeitenMenu, QStringLiteral("&Doppelte Teilnehmer suchen …"), this,
                        [&w] { doppelteSuchen(w); });
    vereine = addEntry(bearbeitenMenu, QStringLiteral("&Vereine vereinheitlichen …"), this,
                       [&w] { vereineVereinheitlichen(w); });

    QMenu* einstellungen = w.menuBar()->addMenu(QStringLiteral("&Einstellungen"));
    m_e_d = addEntry(einstellungen, QStringLiteral("&Druckereinstellungen"), this,
                     &MainMenu::m_e_dClick);
    m_e_h =
        addEntry(einstellungen, QStringLiteral("&HTML Einstellungen"), this, &MainMenu::m_e_hClick);
    m_e_u = addEntry(einstellungen, QStringLiteral("&Urkunden Einstellungen"), this,
                     &MainMenu::m_e_uClick);
    m_e_m = addEntry(einstellungen, QStringLiteral("Mannschaftswertung …"), this,
                     [&w] { w.dialogs.mannschaft->zeigen(); });

    QMenu* hilfe = w.menuBar()->addMenu(QStringLiteral("&Hilfe"));
    m_h_b = addEntry(hilfe, QStringLiteral("Ü&ber RZV"), this, &MainMenu::m_h_bClick);
}

void MainMenu::m_e_dClick() {
    m_w.prompt().printerSetup(m_w.printer);
}

void MainMenu::m_e_hClick() {
    m_w.dialogs.html->zeigen();
}

void MainMenu::m_e_uClick() {
    m_w.dialogs.urkunden->zeigen();
}

void MainMenu::m_h_bClick() {
    m_w.dialogs.uberrzv->zeigen();
}

} // namespace rzv
