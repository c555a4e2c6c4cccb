#pragma once
// On X11 the window manager gives a new window the keyboard focus some time after the
// program shows it, and hands it back to the window beneath some time after it closes.
// Keys typed meanwhile reach a window that Qt then drops them for: one beneath a modal
// window, or one that has closed. The relay holds such keys, in order with the ones
// typed after them, until the window they belong to has the focus, and then hands them
// to it as if they had been typed there.

class QObject;

namespace zelvane::ui {

// Does nothing on other platforms; the relay belongs to the parent and ends with it.
void InstallX11KeyRelay(QObject* parent);

}  // namespace zelvane::ui
