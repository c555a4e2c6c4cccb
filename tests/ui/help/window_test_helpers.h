#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace zelvane::ui {

// Lets closed windows finish closing and be deleted.
inline void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename Window>
int VisibleWindows() {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<Window*>(widget) != nullptr && widget->isVisible()) ++count;
  }
  return count;
}

// Makes another window the active one, as the user going back to the main window would.
inline bool ActivateOther(QWidget& other) {
  other.show();
  other.activateWindow();
  return QTest::qWaitForWindowActive(&other);
}

}  // namespace zelvane::ui
