#pragma once

#include "ui/prompt.h"

#include <QPrinter>
#include <QStringList>
#include <QTest>

#include <deque>

namespace rzv::test {

// The prompt of the GUI tests: answers come from a queue filled by the test, every question,
// notice, error and dialog is recorded, and a question the test did not expect (the queue is
// empty or holds an answer of another kind) fails the test and is answered "no"/cancel.
class ScriptedPrompt : public Prompt {
public:
    enum class Kind { Ask, File, Print };

    // Queues the answer to the next question ("&Ja" = true).
    void answerAsk(bool yes) { m_answers.push_back({Kind::Ask, yes, {}}); }
    // Queues closing the next question's box without a button (Escape or the close box): no
    // "&Ja" for ask(), no "&Nein" for askPlain().
    void closeQuestion() { m_answers.push_back({Kind::Ask, false, {}, true}); }
    // Queues the file or folder chosen in the next file or folder dialog (empty = cancel).
    void answerFile(const QString& path) {
        m_answers.push_back({Kind::File, !path.isEmpty(), path});
    }
    // Queues the answer of the next print dialog; a confirmed one prints into the PDF file.
    void answerPrint(const QString& pdfPath) { m_answers.push_back({Kind::Print, true, pdfPath}); }
    void cancelPrint() { m_answers.push_back({Kind::Print, false, {}}); }

    bool allAnswered() const { return m_answers.empty(); }

    // Everything shown, in order: "ask: …", "plain: title: …", "notice: …", "inform: …",
    // "inform-ask: …", "error: …", "open: title|filter|suffix" (and "|start" when it starts in a
    // folder), "save: title|filter|suffix", "folder: title|start", "print", "setup", "url: …".
    QStringList shown;
    // The window each of them belonged to (none: the main window).
    QList<const QWidget*> owners;
    QStringList errors;
    QStringList notices;

    bool ask(const QString& text) override {
        show(QStringLiteral("ask: ") + text);
        return take(Kind::Ask, text).yes;
    }
    bool askPlain(const QString& title, const QString& text) override {
        show(QStringLiteral("plain: %1: %2").arg(title, text));
        const Answer answer = take(Kind::Ask, text);
        return answer.yes || answer.closed;
    }
    void notice(const QString& text) override {
        show(QStringLiteral("notice: ") + text);
        notices << text;
    }
    void inform(const QString& text) override { show(QStringLiteral("inform: ") + text); }
    bool informAndAsk(const QString& text) override {
        show(QStringLiteral("inform-ask: ") + text);
        return take(Kind::Ask, text).yes;
    }
    void error(const QString& text) override {
        show(QStringLiteral("error: ") + text);
        errors << text;
    }
    QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         const QString& startFolder) override {
        show(QStringLiteral("open: %1|%2|%3").arg(title, filter, defaultSuffix) +
             (startFolder.isEmpty() ? QString() : u'|' + startFolder));
        return take(Kind::File, title).text;
    }
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& defaultSuffix) override {
        show(QStringLiteral("save: %1|%2|%3").arg(title, filter, defaultSuffix));
        return take(Kind::File, title).text;
    }
    QString folderName(const QString& title, const QString& startFolder) override {
        show(QStringLiteral("folder: %1|%2").arg(title, startFolder));
        return take(Kind::File, title).text;
    }
    bool choosePrinter(QPrinter& printer) override {
        show(QStringLiteral("print"));
        const Answer answer = take(Kind::Print, QStringLiteral("print dialog"));
        if (!answer.yes) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.text);
        return true;
    }
    void printerSetup(QPrinter&) override { show(QStringLiteral("setup")); }
    void openUrl(const QUrl& url) override { show(QStringLiteral("url: ") + url.toString()); }

private:
    void show(const QString& what) {
        shown << what;
        owners << owner();
    }

    struct Answer {
        Kind kind;
        bool yes;
        QString text;
        bool closed = false;
    };

    Answer take(Kind kind, const QString& what) {
        if (m_answers.empty() || m_answers.front().kind != kind) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: ") + what), __FILE__,
                         __LINE__);
            return {kind, false, {}};
        }
        Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::deque<Answer> m_answers;
};

} // namespace rzv::test
