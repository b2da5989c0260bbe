// When a widget's loss of focus counts as the user moving to another control.
#pragma once

#include <Qt>

class QWidget;

namespace tw {

// True when the focus went from `losing` to another control of the same
// window by Tab, Shift+Tab, a click or the program. Qt also reports focus loss
// when a menu opens, a message box or dialog appears or the window is
// deactivated; those do not count. Call from focusOutEvent, where the
// application's focus widget is already the new one.
bool FocusMovesWithinWindow(const QWidget* losing, Qt::FocusReason reason);

}  // namespace tw
