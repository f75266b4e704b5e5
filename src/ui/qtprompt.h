#pragma once

#include "ui/prompt.h"

namespace rzv {

// The desktop's answers: modal Qt boxes over the main window or the asking dialog, Qt's file and
// print dialogs and the system's browser.
class QtPrompt : public Prompt {
public:
    explicit QtPrompt(QWidget* window) : m_window(window) {}

    bool ask(const QString& text) override;
    bool askPlain(const QString& title, const QString& text) override;
    void notice(const QString& text) override;
    void inform(const QString& text) override;
    bool informAndAsk(const QString& text) override;
    void error(const QString& text) override;
    QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& startFolder) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    QString folderName(const QString& title, const QString& startFolder) override;
    bool choosePrinter(QPrinter& printer) override;
    void printerSetup(QPrinter& printer) override;
    void openUrl(const QUrl& url) override;

private:
    // The owner while it shows; a hidden dialog cannot take the activation back.
    QWidget* parent() const;

    QWidget* m_window;
};

} // namespace rzv
