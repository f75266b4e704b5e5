#include "app/cuptab.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/mainmenu.h"
#include "app/sheetview.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "app/updown.h"
#include "dialogs/thtml.h"
#include "dialogs/tuberrzv.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace rzv;

namespace {

// The texts below a window that do not get the room they need, each with what it lacks: a
// label's text (wrapped where the label wraps) must fit the label, lie within its parent and not
// run under another widget; a button's text must fit the button.
QStringList cutTexts(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        const QRect room = label->contentsRect();
        const QRect text =
            label->wordWrap()
                ? metrics.boundingRect(room, Qt::TextWordWrap, label->text())
                : QRect(room.topLeft(),
                        QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
        if (text.width() > room.width() || text.height() > room.height())
            cut << QStringLiteral("%1: %2 of %3 pixels")
                       .arg(label->text())
                       .arg(text.width())
                       .arg(room.width());
        const QRect onParent = text.translated(label->pos());
        const QWidget* parent = label->parentWidget();
        if (!parent->rect().contains(onParent))
            cut << label->text() + QStringLiteral(": beyond its window");
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != label && other->isVisible() && other->geometry().intersects(onParent))
                cut << label->text() + QStringLiteral(": under ") +
                           other->metaObject()->className();
    }
    for (const QHeaderView* captions : window.findChildren<QHeaderView*>()) {
        if (!captions->isVisible() || captions->orientation() != Qt::Horizontal) continue;
        const int margins = 2 * captions->style()->pixelMetric(QStyle::PM_HeaderMargin);
        const auto* view = qobject_cast<const QAbstractScrollArea*>(captions->parentWidget());
        const bool scrolls = view && view->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
        for (int section = 0; section < captions->count(); ++section) {
            const QString text = captions->model()->headerData(section, Qt::Horizontal).toString();
            const int right = captions->sectionPosition(section) + captions->sectionSize(section);
            if (captions->fontMetrics().horizontalAdvance(text) + margins >
                    captions->sectionSize(section) ||
                captions->fontMetrics().height() > captions->height() ||
                (!scrolls && right > captions->viewport()->width()))
                cut << text + QStringLiteral(": caption too small");
        }
    }
    // The row captions of a grid with a caption column, as its frozen column paints them.
    QList<GridView*> views = window.findChildren<GridView*>();
    if (auto* view = qobject_cast<GridView*>(const_cast<QWidget*>(&window))) views << view;
    for (GridView* view : views) {
        if (!view->isVisible() || view->captions() != GridView::Captions::rowAndColumn) continue;
        test::PaintedCaptions style;
        QWidget* captions = view->verticalHeader()->viewport();
        captions->setStyle(&style);
        captions->grab();
        view->scrollToBottom();
        captions->grab();
        view->scrollToTop();
        captions->setStyle(nullptr);
        style.texts.removeDuplicates();
        for (const QString& text : std::as_const(style.texts))
            if (text.endsWith(u'…') ||
                captions->fontMetrics().horizontalAdvance(text) > captions->width())
                cut << text + QStringLiteral(": row caption cut");
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QSize needed = button->sizeHint();
        if (button->isVisible() && !button->text().isEmpty() &&
            (needed.width() > button->width() || needed.height() > button->height()))
            cut << button->text() + QStringLiteral(": button too small");
    }
    return cut;
}

} // namespace

class TstWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithANewCup() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        QCOMPARE(w.windowTitle(), QStringLiteral("Rundenzeitverwalter 3.1.7"));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.pages->count(), 5);
        const QStringList tabs{QStringLiteral("Cup"), QStringLiteral("Läufe"),
                               QStringLiteral("Teilnehmer"), QStringLiteral("Ausgabe"),
                               QStringLiteral("Bilder")};
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(w.pages->tabText(i), tabs[i]);
        QVERIFY(!w.pages->isTabVisible(4));
        QCOMPARE(w.pages->currentIndex(), 0);
        QCOMPARE(w.statusFile->text(), QStringLiteral("unbekannt"));
        QCOMPARE(w.statusChanged->text(), QString());
        QCOMPARE(w.statusFile->width(), 600);
        QCOMPARE(w.statusChanged->width(), 200);
        QCOMPARE(w.cupTab->min->text(), QStringLiteral("1"));
        QCOMPARE(w.cupTab->kategorie->currentText(),
                 QStringLiteral("1 - vereinsoffene Veranstaltung"));
        QVERIFY(w.cupTab->min->isReadOnly());
        QVERIFY(prompt.shown.isEmpty());
    }

    // Where the labels fit (as with a font of Arial's widths), the fields have their usual places.
    void cupTabLayout() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        CupTab& tab = *w.cupTab;
        QCOMPARE(tab.name->geometry(), QRect(0, 16, 385, 21));
        QCOMPARE(tab.veranstalter->geometry(), QRect(0, 56, 385, 21));
        QCOMPARE(tab.kategorie->geometry(), QRect(0, 96, 385, 21));
        QCOMPARE(tab.min->geometry().united(tab.minW->geometry()), QRect(0, 136, 185, 21));
        QCOMPARE(tab.max->geometry().united(tab.maxW->geometry()), QRect(192, 136, 193, 21));
        QCOMPARE(tab.cv->geometry(), QRect(392, 16, 385, 137));
        QCOMPARE(tab.ag->geometry(), QRect(0, 176, 385, 321));
        QCOMPARE(tab.pv->geometry(), QRect(391, 176, 385, 321));
        QCOMPARE(tab.name->toolTip(),
                 QStringLiteral("Geben Sie hier den Namen der Veranstaltung ein"));
        QCOMPARE(tab.pv->toolTip(), QStringLiteral("Hier können Sie die Punktevergabe anpassen"));

        const QList<QWidget*> order{tab.name, tab.veranstalter, tab.kategorie, tab.min, tab.minW,
                                    tab.max,  tab.maxW,         tab.ag,        tab.cv,  tab.pv};
        for (int i = 1; i < order.size(); ++i) {
            QWidget* next = order[i - 1]->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || !order.contains(next))
                next = next->nextInFocusChain();
            QCOMPARE(next, order[i]);
        }
    }

    // No text of the window and of its dialogs is cut, with the desktop's default fonts as they
    // are and one and a half times as large (the test also runs at a scale factor of 1.5).
    void noTextIsCut_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
    }
    void noTextIsCut() {
        QFETCH(qreal, scale);
        const QFont desktopFont = QApplication::font();
        QFont scaled = desktopFont;
        scaled.setPointSizeF(desktopFont.pointSizeF() * scale);
        QApplication::setFont(scaled);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktopFont); });
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        QFont windowFont = w.font();
        windowFont.setPointSizeF(8 * scale);
        w.setFont(windowFont);
        w.cup.replaceContent(test::smallCup(3, 5), {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        qInfo("%s at %g points", qPrintable(QFontInfo(w.font()).family()),
              QFontInfo(w.font()).pointSizeF());
        QStringList cut;
        for (int i = 0; i < w.pages->count(); ++i) {
            w.pages->setCurrentIndex(i);
            cut << cutTexts(*w.pages->currentWidget());
        }
        for (QDialog* dialog : w.findChildren<QDialog*>()) {
            dialog->show();
            cut << cutTexts(*dialog);
            dialog->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void mainMenuEntries() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        const QList<QAction*> menus = w.menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(test::menuTexts(menus[0]->menu()),
                 (QStringList{"&Neu", "&Laden", "&Speichern", "Speichern &unter",
                              "&Veröffentlichen …", "&Importieren …", "-", "E&xit"}));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Bearbeiten"));
        QCOMPARE(test::menuTexts(menus[2]->menu()),
                 (QStringList{"&Druckereinstellungen", "&HTML Einstellungen",
                              "&Urkunden Einstellungen", "Mannschaftswertung …"}));
        QCOMPARE(test::menuTexts(menus[3]->menu()), QStringList{QStringLiteral("Ü&ber RZV")});
        QCOMPARE(w.mainMenu->neu->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(w.mainMenu->laden->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(w.mainMenu->speichern->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        w.mainMenu->m_e_d->trigger();
        QCOMPARE(prompt.shown, QStringList{QStringLiteral("setup")});
    }

    // Header fields mark the cup as changed; the spinners keep min and max within the races.
    void headerFieldsAndSpinners() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(3, 2), {});
        CupTab& tab = *w.cupTab;
        QTest::keyClicks(tab.name, QStringLiteral("X"));
        QCOMPARE(w.cup.name, QStringLiteral("Testcup SüdX"));
        QCOMPARE(w.statusChanged->text(), QStringLiteral("geändert"));
        w.cup.edit(0);

        tab.kategorie->setCurrentIndex(3);
        Q_EMIT tab.kategorie->activated(3);
        QCOMPARE(w.cup.kategorie, 3);
        QVERIFY(w.cup.changed());
        tab.kategorie->setEditText(QStringLiteral("Stadtmeisterschaft"));
        Q_EMIT tab.kategorie->lineEdit()->textEdited(QStringLiteral("Stadtmeisterschaft"));
        QCOMPARE(w.cup.kategorie, -1);

        tab.maxW->step(1);
        tab.maxW->step(1);
        QCOMPARE(w.cup.max, 3);
        tab.maxW->step(1); // beyond the three races
        QCOMPARE(w.cup.max, 3);
        QCOMPARE(tab.max->text(), QStringLiteral("3"));
        tab.minW->step(1);
        tab.minW->step(1);
        tab.minW->step(1);
        QCOMPARE(w.cup.min, 3);
        tab.maxW->step(-1); // max below min pulls min down
        QCOMPARE(w.cup.max, 2);
        QCOMPARE(w.cup.min, 2);
        QCOMPARE(tab.min->text(), QStringLiteral("2"));
        QCOMPARE(tab.minW->value(), 2);

        w.cup.replaceContent(test::smallCup(0, 0), {});
        tab.minW->step(1); // no race: never below 1
        QCOMPARE(w.cup.min, 1);
        QCOMPARE(tab.min->text(), QStringLiteral("1"));
    }

    void aboutBoxAndHtmlSettings() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.mainMenu->m_h_b->trigger();
        w.dialogs.uberrzv->hide();
        w.mainMenu->m_h_b->trigger();
        QCOMPARE(w.dialogs.uberrzv->windowTitle(), QStringLiteral("Über RZV 3.1.7"));
        QVERIFY(w.dialogs.uberrzv->isVisible());
        QVERIFY(!w.dialogs.uberrzv->isModal());
        QCOMPARE(w.dialogs.uberrzv->size(), QSize(472, 286));
        w.dialogs.uberrzv->Label1Click();
        w.dialogs.uberrzv->Label2Click();
        QCOMPARE(prompt.shown.size(), 2);
        QVERIFY(prompt.shown[1].endsWith(w.dialogs.uberrzv->kProduktseite.toString()));
        QVERIFY(prompt.shown[0] != prompt.shown[1]);

        Thtml& html = *w.dialogs.html;
        w.mainMenu->m_e_h->trigger();
        QCOMPARE(html.windowTitle(), QStringLiteral("HTML-Einstellungen"));
        QCOMPARE(html.stil->currentIndex(), 0);
        html.stil->setCurrentIndex(1);
        Q_EMIT html.stil->activated(1);
        QCOMPARE(w.cup.htmlStyle, 1);
        html.bildClick();
        QCOMPARE(prompt.shown.last(), QStringLiteral("url: https://validator.w3.org/"));
        w.cup.neu(); // a new cup returns to the standard style, shown at once
        QCOMPARE(html.stil->currentIndex(), 0);
        w.mainMenu->m_e_h->trigger();
        QCOMPARE(html.stil->currentIndex(), 0);
    }

    // Pictures of every tab with a filled cup, to be looked at.
    void screenshots() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(4, 40), QStringLiteral("/tmp/testcup.rz3"));
        w.cup.edit(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QDir().mkpath(QStringLiteral(RZV_BINARY_DIR "/screens"));
        w.teil->setCurrentCell(1, 3);
        w.teilPopup->teil_pop_t.vorschau->trigger();
        for (int i = 0; i < 4; ++i) {
            w.pages->setCurrentIndex(i);
            QVERIFY(w.grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/tab%1.png").arg(i)));
        }
        // The captions stay in place when the participants are scrolled to the far corner.
        w.pages->setCurrentWidget(w.teil);
        w.teil->scrollTo(w.teil->model()->index(w.teil->model()->rowCount() - 1,
                                                w.teil->model()->columnCount() - 1));
        QVERIFY(w.grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/teil-scrolled.png")));
        w.laufe->setCurrentCell(2, 1);
        w.laufePopup->laufe_pop_d_2.vorschau->trigger();
        QVERIFY(w.grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/dlv.png")));
        w.mainMenu->m_h_b->trigger();
        QVERIFY(
            w.dialogs.uberrzv->grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/about.png")));
        w.mainMenu->m_e_h->trigger();
        QVERIFY(w.dialogs.html->grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/html.png")));
        w.cup.edit(0);
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
