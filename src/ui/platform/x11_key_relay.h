#pragma once
// On X11 the window manager gives a new window the keyboard focus some time after the
// program shows it, and hands it back to the window beneath some time after it closes;
// and Qt reads every key waiting on the connection before it handles the first. Keys
// typed ahead thus reach a window that Qt then drops them for: one beneath a modal
// window that a key just before them opened, or one that has closed. The relay hands
// Qt one key at a time, each once the one before it has been handled, and holds a key
// (with the keys after it) until the window it belongs to has the focus.

class QKeyEvent;
class QObject;

namespace zelvane::ui {

// Does nothing on other platforms; the relay belongs to the parent and ends with it.
void InstallX11KeyRelay(QObject* parent);

// Tells the relay that Qt is handling a key it read.
void NoteKeyHandled(const QKeyEvent& key);

}  // namespace zelvane::ui
