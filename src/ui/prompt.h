#pragma once

#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace rzv {

// Every question, notice, error message, file dialog, print dialog and browser request of the
// desktop program goes through this one interface. The main window owns the desktop
// implementation (Qt boxes titled "Warnung" with "&Ja"/"&Nein" or "OK"); tests install a
// scripted one, so that no test ever waits on a modal box.
//
// A box belongs to the main window, unless a dialog asks: then it belongs to the dialog, so that
// the window manager gives the activation back to the dialog when the box closes.
class Prompt {
public:
    // While an Owner lives, the boxes and dialogs of the prompt belong to its window (a dialog
    // that shows and is asking); afterwards they belong to the window before again.
    class Owner {
    public:
        Owner(Prompt& prompt, QWidget* window) : m_prompt(prompt), m_before(prompt.m_owner) {
            prompt.m_owner = window;
        }
        ~Owner() { m_prompt.m_owner = m_before; }
        Owner(const Owner&) = delete;
        Owner& operator=(const Owner&) = delete;

    private:
        Prompt& m_prompt;
        QWidget* m_before;
    };

    virtual ~Prompt() = default;

    // A question with "&Ja" and "&Nein"; true only for "&Ja".
    virtual bool ask(const QString& text) = 0;
    // A question in a box without icon, captioned with the given title ("&Ja"/"&Nein"); false
    // only for "&Nein": closing the box in any other way (Escape, the close box) goes on.
    virtual bool askPlain(const QString& title, const QString& text) = 0;
    // A notice with one "OK" button.
    virtual void notice(const QString& text) = 0;
    // A success, told in an information box with one "OK" button.
    virtual void inform(const QString& text) = 0;
    // A success followed by a question what to do next, in an information box with "&Ja" and
    // "&Nein"; true only for "&Ja".
    virtual bool informAndAsk(const QString& text) = 0;
    // The message of an operation that failed.
    virtual void error(const QString& text) = 0;

    // File dialogs; an empty result means the user cancelled. The filter is in Qt's form
    // ("Rundenzeitverwalter 3.*.* (*.rz3)"); the default suffix is added to a typed name
    // without one; the save dialog asks before an existing file is replaced.
    // The open dialog starts in startFolder (empty: where it was last).
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix, const QString& startFolder) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // A folder dialog opened at startFolder, in which the user may also make a new folder;
    // empty when the user cancelled.
    virtual QString folderName(const QString& title, const QString& startFolder) = 0;

    // The print dialog for the given printer; false when the user cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The printer-setup dialog for the printer used by all printing.
    virtual void printerSetup(QPrinter& printer) = 0;

    // Asks the system to open an address in the user's browser.
    virtual void openUrl(const QUrl& url) = 0;

protected:
    // The window that boxes and dialogs belong to now; none: the main window.
    QWidget* owner() const { return m_owner; }

private:
    QWidget* m_owner = nullptr;
};

} // namespace rzv
