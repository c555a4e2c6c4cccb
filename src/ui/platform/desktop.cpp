#include "ui/platform/desktop.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace zelvane::ui {

namespace {

// Ends a local event loop once the watched window is hidden.
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget* window, QEventLoop* loop) : loop_(loop) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      loop_->quit();
    }
    return false;
  }

 private:
  QEventLoop* loop_;
};

}  // namespace

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

bool GiveFocus(QWidget* control) {
  if (control == nullptr || !control->isVisible() || !control->isEnabled() ||
      control->focusPolicy() == Qt::NoFocus) {
    return false;
  }
  control->setFocus(Qt::OtherFocusReason);
  return true;
}

void PostKeystroke(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (window == nullptr) return;
  QWidget* target = window->window()->focusWidget();
  if (target == nullptr) return;
  // Posted events addressed to a widget are dropped if it is destroyed first.
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers));
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

QString FileTitle(const QString& path) { return QFileInfo(path).fileName(); }

void ShowModal(QWidget* window) {
  if (window == nullptr) return;
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
    return;
  }
  QPointer<QWidget> guard(window);
  QEventLoop loop;
  HideWatcher watcher(window, &loop);
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
  if (window->isVisible()) loop.exec(QEventLoop::DialogExec);
  if (guard) guard->removeEventFilter(&watcher);
}

void ShowModeless(QWidget* window) {
  if (window == nullptr) return;
  if (window->isVisible()) {
    window->raise();
  } else {
    window->setWindowModality(Qt::NonModal);
    window->show();
  }
  window->activateWindow();
}

QFont NearestFont(const QString& family, qreal points, bool bold) {
  QFont font;
  if (QFontDatabase::hasFamily(family)) {
    font.setFamily(family);
  } else {
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
  }
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace zelvane::ui
