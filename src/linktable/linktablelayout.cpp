#include "linktablelayout.h"

#include "desktop/twips.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>

namespace {

constexpr int CloseBarWidth = 530;
constexpr int TitleBoxWidth = 2500;
constexpr int TitleBoxLeft = 3500;
constexpr int LabelLeft = 180;
constexpr int StripLeft = 100;
constexpr int StripMargin = 250;
constexpr int BottomMargin = 100;
constexpr int SearchFieldWidth = 3600;
const int ColumnWidths[] = {400, 4000, 0, 2000, 1600, -1, 1100};

} // namespace

LinkTableLayout::LinkTableLayout(Parts parts)
    : m_parts(std::move(parts)) {}

void LinkTableLayout::placeWindow(const Placement<double> &stored) {
    QDialog &window = m_parts.window;
    const Twips twips = Twips::forScreen(window.screen());
    if (stored.top == 0 && stored.left == 0 && stored.height == 0 && stored.width == 0) {
        window.resize(twips.toPixels(DesignWidth), twips.toPixels(DesignHeight));
        if (const QScreen *display = window.screen()) {
            QRect frame(QPoint(), window.size());
            frame.moveCenter(display->availableGeometry().center());
            window.move(frame.topLeft());
        }
        return;
    }
    const Twips placed = Twips::forPlacements(window.screen());
    window.resize(QSize(placed.toPixels(stored.width), placed.toPixels(stored.height))
                      .expandedTo(QSize(200, 200)));
    window.move(placed.toPixels(stored.left), placed.toPixels(stored.top));
}

Placement<double> LinkTableLayout::placement() const {
    const QDialog &window = m_parts.window;
    const Twips twips = Twips::forPlacements(window.screen());
    return {twips.fromPixels(window.y()), twips.fromPixels(window.x()),
            twips.fromPixels(window.height()), twips.fromPixels(window.width())};
}

void LinkTableLayout::resized() {
    const Twips twips = Twips::forScreen(m_parts.window.screen());
    if (twips.fromPixels(m_parts.window.width()) >= MinimumWidth && !m_parts.window.isMinimized())
        arrange();
}

void LinkTableLayout::arrange() {
    const QDialog &window = m_parts.window;
    const Twips twips = Twips::forScreen(window.screen());
    const int width = window.width();
    QToolBar &bar = m_parts.bar;
    QToolBar &closeBar = m_parts.closeBar;
    const int barHeight = std::max(bar.sizeHint().height(), closeBar.sizeHint().height());
    const int closeWidth = std::max(twips.toPixels(CloseBarWidth), closeBar.sizeHint().width());
    bar.setGeometry(0, 0, std::max(0, width - closeWidth), barHeight);
    closeBar.setGeometry(width - closeWidth, 0, closeWidth, barHeight);

    // The title row: the caption, and in title-edit mode the box with the drag label.
    const int rowTop = barHeight + 4;
    const int rowHeight = m_parts.titleBox.sizeHint().height();
    m_parts.label.setGeometry(twips.toPixels(LabelLeft), rowTop, twips.toPixels(TitleBoxWidth),
                              rowHeight);
    const int boxLeft = twips.toPixels(TitleBoxLeft);
    m_parts.titleBox.setGeometry(boxLeft, rowTop, twips.toPixels(TitleBoxWidth), rowHeight);
    m_parts.moveLabel.setGeometry(boxLeft + twips.toPixels(TitleBoxWidth) + 8, rowTop, rowHeight,
                                  rowHeight);
    const int searchWidth = twips.toPixels(SearchFieldWidth);
    m_parts.searchField.setGeometry(width - searchWidth - twips.toPixels(StripMargin), rowTop,
                                    searchWidth, rowHeight);

    // Strip 6 at the top, each lower one under the next higher, strip 0 over the grid.
    // Each takes its own height: a strip in the desktop's font is taller than 230 twips.
    const int left = twips.toPixels(StripLeft);
    const int stripWidth = std::max(0, width - twips.toPixels(StripMargin));
    int top = rowTop + rowHeight + 4;
    for (auto strip = m_parts.strips.rbegin(); strip != m_parts.strips.rend(); ++strip) {
        const int stripHeight = (*strip)->sizeHint().height();
        (*strip)->setGeometry(left, top, stripWidth, stripHeight);
        top += stripHeight;
    }
    const int gridTop = top + 2;
    m_parts.grid.setGeometry(left, gridTop, stripWidth,
                             std::max(0, window.height() - gridTop - twips.toPixels(BottomMargin)));
    m_parts.searchHits.setGeometry(m_parts.grid.geometry());
}

int LinkTableLayout::minRows(const QTableView &grid) {
    const int rowHeight = std::max(1, grid.verticalHeader()->defaultSectionSize());
    const int screenHeight = grid.screen() ? grid.screen()->geometry().height() : 768;
    return std::max(1, int(screenHeight / double(rowHeight) * 0.75));
}

void LinkTableLayout::setColumnWidths(QTableView &grid) {
    const Twips twips = Twips::forScreen(grid.screen());
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column) {
        if (ColumnWidths[column] > 0)
            grid.setColumnWidth(column, twips.toPixels(ColumnWidths[column]));
    }
}
