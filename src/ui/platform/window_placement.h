#pragma once
// Where a top-level window opens: its frame, title bar included, in the middle of the
// screen's work area.

class QWidget;

namespace zelvane::ui {

// Call at the window's final size, before it is first shown. The frame is taken to be
// that of the program's other windows; the window system tells the true one only once
// the window is on the screen, and if it differs the window is centred again by it.
void CentreOnScreen(QWidget& window);

}  // namespace zelvane::ui
