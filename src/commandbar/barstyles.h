#pragma once

#include <QString>

// The four looks of the command bars (BarStyle), as style sheets for the
// toolbars and for the drop-down menus.
namespace BarStyles {

enum Style : int {
    System = 0, // the platform's own look: no style sheet
    Office = 1, // light grey gradient, blue hover
    Money = 2,  // green tones
    XP = 3,     // blue gradient, rounded hover
};

bool isStyle(int style);
// Empty for System and for any value outside 0..3.
QString toolBarStyleSheet(int style);
QString menuStyleSheet(int style);

} // namespace BarStyles
