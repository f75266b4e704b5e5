#pragma once

#include "cup/cellgrid.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <initializer_list>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace rzv {

class Prompt;
class TCupData;

// What the editing dialogs share: the cup and the prompt they work with, a fixed size, fields
// with an "entered" and a "left" event, and a handler boundary that reports stopped operations.
//
// Entering and leaving mean moving the focus between fields of the dialog (Tab, Backtab, mouse,
// the program). Switching to another window and back is neither, unless the focus moved meanwhile
// (a Tab handled while a question box was open enters the next field). Leaving by Tab is handled
// before the focus moves, so a field may refuse to be left (the focus stays) and may ask a
// question.
class TEditorDialog : public QDialog {
    Q_OBJECT
public:
    TEditorDialog(TCupData& cup, Prompt& prompt, QWidget* parent);

protected:
    TCupData& cup() { return m_cup; }
    const TCupData& cup() const { return m_cup; }
    Prompt& prompt() { return m_prompt; }

    // Called when a watched field gets the focus.
    virtual void fieldEntered(QWidget* field);
    // Called when a watched field loses the focus; false keeps the focus in the field.
    virtual bool fieldLeft(QWidget* field);
    void watch(QWidget* field);
    // Runs the leaving check of the field that has the focus, as a save must see checked text.
    void leaveFocusedField();

    // A single-line text field with a maximum length (0: none) taking only Windows-1252 text,
    // wide enough for the given number of characters.
    QLineEdit* textField(const char* name, int maxLength, int shownChars);
    // A spinner whose number is changed only by its buttons and arrow keys.
    QSpinBox* spinner(const char* name, int minimum, int maximum, int start);
    // A button that Enter in a field does not press.
    QPushButton* button(const char* name, const QString& caption);
    // Connects a button to a handler that runs behind the handler boundary.
    template <typename Dialog> void onClick(QPushButton* button, void (Dialog::*handler)()) {
        connectClicked(button, [this, handler] { (static_cast<Dialog*>(this)->*handler)(); });
    }
    // Shows the dialog in front of the main window.
    void present();
    // A field group: its label above, then the fields side by side (the label names the first).
    static QLayout* labelled(const QString& label, std::initializer_list<QWidget*> fields);
    // Groups side by side.
    static QLayout* sideBySide(std::initializer_list<QLayout*> groups);
    // Sets the fixed size once the layout is complete.
    void fixSize();

    // Runs an operation of the dialog: the questions and notices it shows belong to the dialog,
    // and an error that stops it is shown through the prompt.
    void guarded(const std::function<void()>& operation);
    // Tells that the entry this dialog was opened for no longer exists and hides the dialog.
    void entryGone(const QString& what);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectClicked(QPushButton* button, std::function<void()> handler);
    bool fieldLeftGuarded(QWidget* field);

    TCupData& m_cup;
    Prompt& m_prompt;
    QList<QWidget*> m_fields;
    QWidget* m_leftByKey = nullptr;
    QWidget* m_focusWhenInactive = nullptr; // the field that had the focus when another window
                                            // took the activation
};

// A stored number for a spinner; a text that does not read gives the fallback.
int readIntOr(const QString& text, int fallback);

// Finds a remembered row or column again; -1 when it no longer exists.
inline int findRow(const TCellGrid& grid, TCellGrid::Id id) {
    return id ? grid.findRow(id) : -1;
}
inline int findCol(const TCellGrid& grid, TCellGrid::Id id) {
    return id ? grid.findCol(id) : -1;
}

} // namespace rzv
