#pragma once

#include <QWidget>

class QToolButton;

namespace rzv {

// Up and down buttons that change a number between a lower and an upper bound, shown beside a
// read-only field that displays the number. Only the buttons and the arrow keys change it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Sets the number without telling anyone (the program's own changes).
    void setValue(int value);
    // A step as the user makes it: emits stepped() when the number changes.
    void step(int delta);

Q_SIGNALS:
    void stepped(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_minimum;
    int m_maximum;
    int m_value;
};

} // namespace rzv
