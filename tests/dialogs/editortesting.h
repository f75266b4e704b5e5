#pragma once

#include "cup/cupdata.h"
#include "cup/ordering.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <initializer_list>

namespace rzv::test {

// A race typed straight into the tables, as the race editor stores it.
inline void addRace(TCupContent& cup, const QString& date, const QString& type = kZeitlauf,
                    const QString& zeitdistanz = QStringLiteral("5000m")) {
    const int k = cup.laufe.colCount();
    cup.laufe.setColCount(k + 1);
    cup.laufe.setCell(k, kLauftyp, type);
    cup.laufe.setCell(k, kDatum, date);
    cup.laufe.setCell(k, kCuplauf, zeitdistanz);
    const int column = cup.teil.colCount();
    cup.teil.setColCount(column + 1);
    cup.teil.setCell(column, 0, date);
    laufesort(cup.laufe, cup.teil);
}

// A participant with results in races 1, 2, ... in table order; returns its row.
inline int addParticipant(TCupContent& cup, const QStringList& fixed,
                          std::initializer_list<QString> results = {}) {
    const int row = cup.teil.rowCount();
    cup.teil.setRowCount(row + 1);
    for (int c = 0; c < fixed.size(); ++c)
        cup.teil.setCell(c, row, fixed[c]);
    int k = 1;
    for (const QString& result : results)
        cup.teil.setCell(resultColumn(k++), row, result);
    return row;
}

inline QStringList person(const QString& name, const QString& vorname, const QString& ges,
                          const QString& ag, const QString& sn,
                          const QString& cupName = QString()) {
    return {name, vorname, QStringLiteral("01.01.1970"), ges, QStringLiteral("LG Lauf"), ag,
            sn,   cupName};
}

// A field of a dialog by its name.
template <typename T = QLineEdit> T* field(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no field %s", name);
    return widget;
}

// The user's keys go to whichever widget has the focus.
inline QWidget* focused() {
    return QApplication::focusWidget();
}
inline void typeText(const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
// Some keys take effect through the event loop (Return in a grid cell commits it that way).
inline void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), k, modifiers);
    QCoreApplication::processEvents();
}
inline void tab(int times = 1) {
    for (int i = 0; i < times; ++i)
        key(Qt::Key_Tab);
}
// Selects everything in the focused field and types over it.
inline void retype(const QString& text) {
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    typeText(text);
}

// Moves the focus to a button and presses it with the space bar.
inline void press(QWidget& dialog, const char* button) {
    field<QPushButton>(dialog, button)->setFocus();
    key(Qt::Key_Space);
}

// Makes the dialog the active window, after the activations still pending (another dialog that
// was hidden hands the focus back to its window first).
template <typename Dialog> bool activate(Dialog& dialog) {
    QCoreApplication::processEvents();
    dialog.activateWindow();
    const bool active = QTest::qWaitForWindowActive(&dialog);
    QCoreApplication::processEvents();
    return active && dialog.isActiveWindow();
}

// Keeps a picture of a dialog for a person to look at.
inline void keepScreenshot(QWidget& dialog, const QString& name) {
    dialog.grab().save(QStringLiteral(RZV_BINARY_DIR "/screens-") + name + QStringLiteral(".png"));
}

} // namespace rzv::test
