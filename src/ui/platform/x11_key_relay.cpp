#include "ui/platform/x11_key_relay.h"

#include <cstdint>
#include <deque>

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

#include "ui/platform/keyboard_queue.h"

namespace zelvane::ui {

namespace {

// Marks the held keys that the relay sends back to the program.
constexpr std::uint8_t kRelayed = 0x5a;
// Without a window manager the focus may never come: the keys then go on regardless.
constexpr int kHoldLimitMs = 1000;

class X11KeyRelay final : public QObject, public QAbstractNativeEventFilter {
 public:
  X11KeyRelay(QObject* parent, xcb_connection_t* connection) : QObject(parent), connection_(connection) {
    retry_.setInterval(5);
    connect(&retry_, &QTimer::timeout, this, &X11KeyRelay::Release);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* generic = static_cast<const xcb_generic_event_t*>(message);
    const int kind = generic->response_type & 0x7f;
    if (kind == XCB_FOCUS_IN || kind == XCB_FOCUS_OUT) {
      FollowFocus(*static_cast<const xcb_focus_in_event_t*>(message), kind == XCB_FOCUS_IN);
      return false;
    }
    if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
    // A press and a release have the same layout.
    const auto& key = *static_cast<const xcb_key_press_event_t*>(message);
    const bool relayed = (generic->response_type & 0x80) != 0 && key.pad0 == kRelayed;
    if (relayed && in_flight_ > 0) --in_flight_;
    // Once one key is held, the keys after it wait behind it.
    const bool waiting = !relayed && (!held_.empty() || in_flight_ > 0);
    if (!waiting && !Misdirected(key)) return false;
    if (held_.empty() && in_flight_ == 0) holding_.start();
    if (relayed) {
      held_.insert(held_.begin() + static_cast<std::ptrdiff_t>(requeued_++), key);
    } else {
      held_.push_back(key);
    }
    if (!retry_.isActive()) retry_.start();
    return true;
  }

 private:
  // The window Qt hands a key to: the one it last saw take the focus, else the one
  // the key arrived at.
  QWidget* Receiver(const xcb_key_press_event_t& key) const {
    if (QWidget* focused = focus_ != XCB_NONE ? QWidget::find(focus_) : nullptr) return focused;
    return QWidget::find(key.event);
  }

  bool Misdirected(const xcb_key_press_event_t& key) const { return WindowForKeys(Receiver(key)) != nullptr; }

  // Follows the focus the way Qt does: a window beneath a modal one passes it on.
  void FollowFocus(const xcb_focus_in_event_t& focus, bool in) {
    if (focus.detail == XCB_NOTIFY_DETAIL_POINTER) return;
    if (!in) {
      focus_ = XCB_NONE;
      return;
    }
    const QWidget* window = QWidget::find(focus.event);
    if (window != nullptr && !BlockedByModal(window)) focus_ = focus.event;
  }

  void Release() {
    const bool overdue = holding_.elapsed() > kHoldLimitMs;
    if (held_.empty() || (in_flight_ > 0 && !overdue)) {
      if (held_.empty() && in_flight_ == 0) retry_.stop();
      return;
    }
    QWidget* target = WindowForKeys(nullptr);
    if (target == nullptr) {
      held_.clear();
      return;
    }
    const auto window = static_cast<xcb_window_t>(target->winId());
    if (focus_ != window && !overdue) return;
    for (xcb_key_press_event_t key : held_) {
      key.event = window;
      key.child = XCB_NONE;
      key.pad0 = kRelayed;
      xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&key));
    }
    xcb_flush(connection_);
    in_flight_ = static_cast<int>(held_.size());
    held_.clear();
    requeued_ = 0;
    holding_.start();
  }

  xcb_connection_t* connection_;
  xcb_window_t focus_ = XCB_NONE;
  std::deque<xcb_key_press_event_t> held_;
  std::size_t requeued_ = 0;  // relayed keys that came back misdirected, at the front
  int in_flight_ = 0;         // relayed keys not back yet
  QTimer retry_;
  QElapsedTimer holding_;
};

}  // namespace

void InstallX11KeyRelay(QObject* parent) {
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  qGuiApp->installNativeEventFilter(new X11KeyRelay(parent, x11->connection()));
}

}  // namespace zelvane::ui
