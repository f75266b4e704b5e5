#include "app/tw.h"

#include "app/bildertab.h"
#include "app/certificatecommands.h"
#include "app/cuppopups.h"
#include "app/cuptab.h"
#include "app/filecommands.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/mainmenu.h"
#include "ui/qtprompt.h"
#include "app/reportcommands.h"
#include "app/sheetview.h"
#include "app/teilpopup.h"
#include "cup/product.h"
#include "cup/errors.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

namespace rzv {

Tw::Tw(Prompt* prompt)
    : m_ownPrompt(prompt ? nullptr : std::make_unique<QtPrompt>(this)),
      m_prompt(prompt ? prompt : m_ownPrompt.get()) {
    QFont smallFont = font();
    smallFont.setPointSize(8);
    setFont(smallFont);
    resize(800, 600);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    createPages();
    files = std::make_unique<FileCommands>(cup, *m_prompt, [this] { clearForNewCup(); });
    reports = std::make_unique<ReportCommands>(
        cup, ausgabe, *m_prompt, printer, [this] { sheetChanged(); }, [this] { showSheet(); });
    certificates = std::make_unique<CertificateCommands>(*this);
    mainMenu = new MainMenu(*this);
    laufePopup = new LaufePopup(*this);
    teilPopup = new TeilPopup(*this);
    cupPopups = new CupPopups(*this);

    connect(&cup, &TCupData::tablesChanged, this, &Tw::tablesChanged);
    connect(&cup, &TCupData::statusChanged, this, &Tw::statusChangedSlot);
    connectSmallChanges();
    clearForNewCup();
    cup.neu();
    setWindowTitle(kProduktname + QLatin1Char(' ') + kVersion);
    createDialogs();
}

Tw::~Tw() {
    // The pages and dialogs show the cup: they go before it does.
    destroyDialogs();
    delete pages;
}

void Tw::createPages() {
    pages = new QTabWidget(this);
    setCentralWidget(pages);
    cupTab = new CupTab(cup, pages);
    pages->addTab(cupTab, QStringLiteral("Cup"));
    laufe = new GridView(cup.laufe, pages, GridView::Captions::rowAndColumn);
    pages->addTab(laufe, QStringLiteral("Läufe"));
    teil = new GridView(cup.teil, pages);
    pages->addTab(teil, QStringLiteral("Teilnehmer"));
    ausgabeView = new SheetView(ausgabe, pages);
    pages->addTab(ausgabeView, QStringLiteral("Ausgabe"));
    bilder = new QWidget(pages);
    fillBilderTab(bilder);
    pages->addTab(bilder, QStringLiteral("Bilder"));
    pages->setCurrentIndex(0);

    statusFile = new QLabel(this);
    statusFile->setFixedWidth(600);
    statusChanged = new QLabel(this);
    statusChanged->setFixedWidth(200);
    statusBar()->addWidget(statusFile);
    statusBar()->addWidget(statusChanged);
}

void Tw::clearForNewCup() {
    pages->setTabVisible(pages->indexOf(bilder), false);
    ausgabe.clear();
    sheetChanged();
}

void Tw::tablesChanged() {
    for (GridView* view : {cupTab->ag, cupTab->cv, cupTab->pv, laufe, teil})
        view->reload();
    cupTab->fill();
}

// A step that changed a cell or a row repaints only that.
void Tw::connectSmallChanges() {
    const auto viewOf = [this](const TCellGrid& grid) {
        GridView* views[] = {cupTab->ag, cupTab->cv, cupTab->pv, laufe, teil};
        return *std::find_if(std::begin(views), std::end(views),
                             [&grid](GridView* view) { return &view->grid() == &grid; });
    };
    connect(&cup, &TCupData::cellChanged, this,
            [viewOf](const TCellGrid& grid, int col, int row) { viewOf(grid)->cellChanged(col, row); });
    connect(&cup, &TCupData::rowInserted, this,
            [viewOf](const TCellGrid& grid, int row) { viewOf(grid)->rowInserted(row); });
    connect(&cup, &TCupData::rowRemoved, this,
            [viewOf](const TCellGrid& grid, int row) { viewOf(grid)->rowRemoved(row); });
    connect(&cup, &TCupData::headerChanged, cupTab, &CupTab::fill);
}

void Tw::statusChangedSlot() {
    statusFile->setText(cup.statusFileText());
    statusChanged->setText(cup.statusChangedText());
}

void Tw::sheetChanged() {
    ausgabeView->refresh();
}

void Tw::showSheet() {
    pages->setCurrentWidget(ausgabeView);
}

void Tw::guarded(const std::function<void()>& command) {
    runOperation(command, [this](const QString& message) { m_prompt->error(message); });
}

void Tw::closeEvent(QCloseEvent* event) {
    if (files->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace rzv
