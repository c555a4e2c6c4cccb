#pragma once
// Keys act strictly in the order typed, each in whichever window has the focus by the
// time it is handled, however fast the user types:
// - an access key presses its button at once (Qt would click it 100 ms later, after
//   the keys typed meanwhile), and an Alt+letter that is no access key types nothing;
// - a key that reaches a window beneath the open modal one, because the window
//   manager has not moved the focus yet, or a window that has just closed, goes to
//   the window the keyboard now belongs to (see x11_key_relay.h);
// - a keystroke the program queued for itself comes before the keys typed after it;
// - while a modal window is open, the windows beneath it are not closed under it: not
//   by the window manager, nor the window whose command opened it.

class QWidget;

namespace zelvane::ui {

// Installs the rules above for the whole application, once; later calls do nothing.
void InstallKeyboardQueue();

// The window that keys arriving at the given window (nullptr: one that is gone) belong
// to: the open modal window above it, or, when it is hidden, the one that was active
// last; nullptr when they belong where they arrived.
QWidget* WindowForKeys(const QWidget* arrived);

// Whether a modal window other than this one (or one it belongs to) is open: keys and
// commands of the window wait.
bool BlockedByModal(const QWidget* window);

}  // namespace zelvane::ui
