#include "ui/main_window/window_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "ui/platform/keyboard_queue.h"

namespace zelvane::ui {

WindowShortcutFilter::WindowShortcutFilter(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

WindowShortcutFilter::~WindowShortcutFilter() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool WindowShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || window_ == nullptr || !watched->isWidgetType()) {
    return false;
  }
  // Beneath a modal window the key belongs to that window, not to these shortcuts.
  if (static_cast<QWidget*>(watched)->window() != window_ || BlockedByModal(window_)) return false;

  const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
  const auto actions = window_->actions();
  for (const QAction* action : actions) {
    if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
      // Left unaccepted, the key goes to the window's shortcuts instead of the control.
      event->ignore();
      return true;
    }
  }
  return false;
}

}  // namespace zelvane::ui
