#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace rzv {

class TCupData;

// "Vereine vereinheitlichen": every club spelling with its number of participants, spellings
// that may name one club grouped under the most used one. "Umbenennen" gives every participant
// of the chosen spelling the name in the field below; the list follows the cup afterwards.
class Tvereine : public QDialog {
    Q_OBJECT
public:
    using Rename = std::function<void(const QString& from, const QString& to)>;

    Tvereine(const TCupData& cup, Rename rename, QWidget* parent = nullptr);

    void umbenennenClick();

    QTreeWidget* schreibweisen;
    QComboBox* neuerName;
    QPushButton* umbenennen;
    QPushButton* schliessen;

private:
    void fill();
    void spellingChosen();

    const TCupData& m_cup;
    Rename m_rename;
};

} // namespace rzv
