#pragma once

#include <QList>
#include <QWidget>

#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;

namespace rzv {

class GridView;
class TCupData;
class UpDown;

// The "Cup" tab: the header fields of the cup and the tables of age groups, cup variations and
// points. Editing a header field marks the cup as changed; the two spinners keep the minimum
// and the maximum of counted races within the number of races and in order. The fields keep
// their places unless a label needs more room than the usual fonts give it.
class CupTab : public QWidget {
    Q_OBJECT
public:
    CupTab(TCupData& cup, QWidget* parent = nullptr);

    // Shows the cup's header fields (after new, load and every change of the tables).
    void fill();

    QLineEdit* name;
    QLineEdit* veranstalter;
    QComboBox* kategorie;
    QLineEdit* min;
    UpDown* minW;
    QLineEdit* max;
    UpDown* maxW;
    GridView* ag;
    GridView* cv;
    GridView* pv;

    // The label above a field or grid.
    QLabel* label(const QWidget* field) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void labelFor(QWidget* field, const QString& text);
    void arrange();
    void minChange(int value);
    void maxChange(int value);
    void kategorieChange();
    void showMinMax();

    TCupData& m_cup;
    QList<std::pair<QLabel*, QWidget*>> m_labels;
};

} // namespace rzv
