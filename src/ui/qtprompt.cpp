#include "ui/qtprompt.h"

#include <QAbstractPrintDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace rzv {

namespace {

const QString kWarnung = QStringLiteral("Warnung");
const QString kInformation = QStringLiteral("Information");

// How a question box counts being closed without a button (Escape, the close box).
enum class Closing { meansNein, meansJa };

bool askYesNo(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
              Closing closing) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(closing == Closing::meansJa ? yes : no);
    box.exec();
    return closing == Closing::meansJa ? box.clickedButton() != no : box.clickedButton() == yes;
}

void tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

QString fileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                 const QString& filter, const QString& defaultSuffix, const QString& startFolder) {
    QFileDialog dialog(parent, title, startFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QWidget* QtPrompt::parent() const {
    QWidget* window = owner();
    return window && window->isVisible() ? window : m_window;
}

bool QtPrompt::ask(const QString& text) {
    return askYesNo(parent(), QMessageBox::Warning, kWarnung, text, Closing::meansNein);
}

bool QtPrompt::askPlain(const QString& title, const QString& text) {
    return askYesNo(parent(), QMessageBox::NoIcon, title, text, Closing::meansJa);
}

void QtPrompt::notice(const QString& text) {
    tell(parent(), QMessageBox::Warning, kWarnung, text);
}

void QtPrompt::inform(const QString& text) {
    tell(parent(), QMessageBox::Information, kInformation, text);
}

bool QtPrompt::informAndAsk(const QString& text) {
    return askYesNo(parent(), QMessageBox::Information, kInformation, text, Closing::meansNein);
}

void QtPrompt::error(const QString& text) {
    tell(parent(), QMessageBox::Critical, QStringLiteral("Rundenzeitverwalter"), text);
}

QString QtPrompt::openFileName(const QString& title, const QString& filter,
                               const QString& defaultSuffix, const QString& startFolder) {
    return fileName(parent(), QFileDialog::AcceptOpen, title, filter, defaultSuffix, startFolder);
}

QString QtPrompt::saveFileName(const QString& title, const QString& filter,
                               const QString& defaultSuffix) {
    return fileName(parent(), QFileDialog::AcceptSave, title, filter, defaultSuffix, {});
}

QString QtPrompt::folderName(const QString& title, const QString& startFolder) {
    QFileDialog dialog(parent(), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool QtPrompt::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompt::printerSetup(QPrinter& printer) {
    // Choosing the printer and its settings without printing: the same printer object is used
    // by every later print. The dialog is the print dialog, whose button confirms the choice.
    QPrintDialog dialog(&printer, parent());
    dialog.setWindowTitle(QStringLiteral("Druckereinstellungen"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    dialog.exec();
}

void QtPrompt::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace rzv
