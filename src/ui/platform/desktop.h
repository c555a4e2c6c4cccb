#pragma once
// The desktop services the windows use besides the dialogs: the application-wide wait
// cursor, giving a control the focus and injecting keystrokes into it, a file's name
// without its folder, showing a window modally or without modality, and fonts that
// fall back to the nearest one the system has, and the layout unit.

#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

class QWidget;

namespace zelvane::ui {

// The hourglass over every window of the program for as long as the object lives,
// whatever way the scope is left.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Gives the control the focus; false when it cannot take it (hidden, disabled or not
// focusable), in which case nothing changes.
bool GiveFocus(QWidget* control);

// Queues a key press and release for the focused control of the window, to be handled
// when the program next reads its input. Without a focused control nothing is sent.
// The keystroke never leaves the program.
void PostKeystroke(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The file's name without its folder.
QString FileTitle(const QString& path);

// Shows the window application-modal and returns once it is hidden or destroyed.
void ShowModal(QWidget* window);
// Shows the window without modality, or brings it to the front when already shown, and
// activates it.
void ShowModeless(QWidget* window);

// The named font at the given size, or the nearest sans-serif face when the system
// lacks it.
QFont NearestFont(const QString& family, qreal points, bool bold = false);

// Layouts are given in twips; at 96 dpi there are 15 twips to a pixel.
constexpr int Px(int twips) { return twips / 15; }
inline QRect Twips(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace zelvane::ui
