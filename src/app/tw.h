#pragma once

#include "cup/cupdata.h"
#include "reports/sheet.h"

#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <memory>

class QLabel;
class QTabWidget;

namespace rzv {

class CertificateCommands;
class CupPopups;
class CupTab;
class FileCommands;
class GridView;
class LaufePopup;
class MainMenu;
class Prompt;
class ReportCommands;
class SheetView;
class Tbea_ag;
class Tbea_cup;
class Tbea_erg;
class Tbea_lauf;
class Tbea_pv;
class Tbea_teil;
class Thtml;
class Tmannschaft;
class TeilPopup;
class Tteil_wahl;
class Tuberrzv;
class Turkunden;

// The dialogs of the program: created once with the window, then only shown and hidden.
struct TwDialogs {
    Tuberrzv* uberrzv = nullptr;
    Tbea_lauf* bea_lauf = nullptr;
    Tbea_cup* bea_cup = nullptr;
    Tbea_teil* bea_teil = nullptr;
    Tbea_ag* bea_ag = nullptr;
    Tbea_erg* bea_erg = nullptr;
    Tbea_pv* bea_pv = nullptr;
    Thtml* html = nullptr;
    Turkunden* urkunden = nullptr;
    Tteil_wahl* teil_wahl = nullptr;
    Tmannschaft* mannschaft = nullptr;
};

// The main window: the cup on four tabs ("Cup", "Läufe", "Teilnehmer", "Ausgabe"; the
// certificate pictures on the hidden "Bilder" tab), the main menu, a context menu per table and
// the status bar with the file name and the changed mark.
class Tw : public QMainWindow {
    Q_OBJECT
public:
    // Without a prompt the window asks through Qt's own boxes and dialogs.
    explicit Tw(Prompt* prompt = nullptr);
    ~Tw() override;

    Prompt& prompt() { return *m_prompt; }

    TCupData cup;
    Ausgabe ausgabe;
    QPrinter printer{QPrinter::HighResolution};

    QTabWidget* pages;
    CupTab* cupTab;
    GridView* laufe;
    GridView* teil;
    SheetView* ausgabeView;
    QWidget* bilder;
    QLabel* statusFile;
    QLabel* statusChanged;

    std::unique_ptr<FileCommands> files;
    std::unique_ptr<ReportCommands> reports;
    std::unique_ptr<CertificateCommands> certificates;
    MainMenu* mainMenu;
    LaufePopup* laufePopup;
    TeilPopup* teilPopup;
    CupPopups* cupPopups;
    TwDialogs dialogs;

    // Shows the output sheet as it is now; preview brings its tab to the front.
    void sheetChanged();
    void showSheet();
    // Runs a command; an error that stops it is shown.
    void guarded(const std::function<void()>& command);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void createDialogs();
    void destroyDialogs();
    void clearForNewCup();
    void tablesChanged();
    void connectSmallChanges();
    void statusChangedSlot();

    std::unique_ptr<Prompt> m_ownPrompt;
    Prompt* m_prompt;
};

} // namespace rzv
