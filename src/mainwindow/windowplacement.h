#pragma once

#include <QList>
#include <QRect>

// A stored window placement that lies off every screen (a monitor removed since the last
// run) comes back on the primary screen; one that can be seen is used as stored, unless
// it is larger than its screen (a placement from a bigger monitor): then it is shrunk to
// the screen and moved onto it.
namespace WindowPlacement {

// screens: the geometries of all screens; primary: the primary one's available area.
QRect onScreen(const QRect &stored, const QList<QRect> &screens, const QRect &primary);

} // namespace WindowPlacement
