#pragma once

#include "core/settingsvalues.h"

#include <QList>

class QDialog;
class QLabel;
class QLineEdit;
class QTableView;
class QTabBar;
class QToolBar;
class QWidget;

// Where the link table window's parts go: its bars along the top (the close bar at the
// right edge), the title row with the search field, the group strips from strip 6 down to strip 0,
// and the grid filling the rest. Measures are kept in twips, as the stored placement is.
class LinkTableLayout {
public:
    struct Parts {
        QDialog &window;
        QToolBar &bar;
        QToolBar &closeBar;
        QLabel &label;
        QLineEdit &titleBox;
        QLabel &moveLabel;
        QList<QTabBar *> strips; // strip 0 first
        QTableView &grid;
        QLineEdit &searchField; // at the right end of the title row
        QWidget &searchHits;    // where the grid is, over it while shown
    };

    static constexpr int DesignWidth = 14400;
    static constexpr int DesignHeight = 9600;
    // Below this client width a resize leaves the layout as it is.
    static constexpr int MinimumWidth = 13400;

    explicit LinkTableLayout(Parts parts);

    // The stored placement, or the design size centred on the screen when none is stored.
    void placeWindow(const Placement<double> &stored);
    Placement<double> placement() const;
    // Lays out every part for the window's size.
    void arrange();
    // A resize: arranges only at MinimumWidth and more, and not while minimised.
    void resized();
    // The grid's column widths, in twips (column 5 keeps the grid's own).
    static void setColumnWidths(QTableView &grid);
    // The rows that fill three quarters of the screen, so the grid never looks cut short.
    static int minRows(const QTableView &grid);

private:
    Parts m_parts;
};
