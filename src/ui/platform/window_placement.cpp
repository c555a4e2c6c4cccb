#include "ui/platform/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zelvane::ui {

namespace {

// How long after showing the window the frame may still be learnt; a window the user
// moves later stays where it was put.
constexpr int kFrameWaitMs = 2000;

QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

// A shown window's frame is the best guess for a new one; none shown, none known.
QMargins GuessedFrameMargins(const QWidget& window) {
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible() || other->isMinimized()) continue;
    const QMargins margins = FrameMargins(*other);
    if (!margins.isNull()) return margins;
  }
  return {};
}

QRect CentredFrame(const QWidget& window, QMargins margins) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  QRect frame(QPoint(), window.size().grownBy(margins));
  if (screen != nullptr) frame.moveCenter(screen->availableGeometry().center());
  return frame;
}

// Centres the window again once the window system has framed it, if the frame is not
// the one guessed.
class FrameWatcher : public QObject {
 public:
  FrameWatcher(QWidget& window, QMargins guessed) : QObject(&window), window_(window), guessed_(guessed) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
    } else if (event->type() == QEvent::Move && window_.isVisible()) {
      const QMargins margins = FrameMargins(window_);
      if (!margins.isNull()) {
        if (margins != guessed_) window_.move(CentredFrame(window_, margins).topLeft());
        window_.removeEventFilter(this);
        deleteLater();
      }
    }
    return false;
  }

 private:
  QWidget& window_;
  QMargins guessed_;
};

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QMargins guessed = GuessedFrameMargins(window);
  // A top-level window's position is that of its frame.
  window.move(CentredFrame(window, guessed).topLeft());
  new FrameWatcher(window, guessed);
}

}  // namespace zelvane::ui
