#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QHash>
#include <vector>

namespace rzv {

class Ausgabe;

// The output sheet on screen: read-only, every line in "Courier New" at its own size and style,
// no wrapping, scroll bars in both directions. Only the lines in view are painted, so a sheet of
// several hundred thousand lines opens at once. The view does not watch the sheet: whoever
// writes into it calls refresh().
class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SheetView(const Ausgabe& sheet, QWidget* parent = nullptr);

    // Takes the sheet's current lines and shows them from the top.
    void refresh();

    int contentHeight() const { return m_top.empty() ? 0 : m_top.back(); }
    int contentWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct LineFont {
        QFont font;
        int height;
        int ascent;
        int charWidth;
    };
    const LineFont& fontOf(int size, unsigned style);
    void updateScrollBars();

    const Ausgabe& m_sheet;
    QHash<unsigned, LineFont> m_fonts;
    std::vector<int> m_top; // top of each line, then the bottom of the last
    int m_width = 0;
};

} // namespace rzv
