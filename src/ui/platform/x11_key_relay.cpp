#include "ui/platform/x11_key_relay.h"

#include <cstdint>
#include <deque>
#include <optional>

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

#include "ui/platform/keyboard_queue.h"

namespace zelvane::ui {

namespace {

// Marks the held keys that the relay sends back to the program.
constexpr std::uint8_t kRelayed = 0x5a;
// A key Qt drops is never seen handled; the next one goes on after this long.
constexpr int kHandledLimitMs = 200;
// Without a window manager the focus may never come: the keys then go on regardless.
constexpr int kFocusLimitMs = 1000;

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
    if (relayed) in_flight_ = false;
    // A key waits behind the keys before it, and for its window to have the focus.
    const bool behind = !relayed && (!held_.empty() || in_flight_ || Unhandled());
    if (behind || Misdirected(key)) {
      if (relayed) {
        held_.push_front(key);
      } else {
        held_.push_back(key);
      }
      if (!retry_.isActive()) retry_.start();
      waiting_.start();
      return true;
    }
    unhandled_ = key;
    unhandled_.response_type = static_cast<std::uint8_t>(kind);
    handling_.start();
    return false;
  }

  void Handled(const QKeyEvent& event) {
    const bool press = event.type() != QEvent::KeyRelease;
    if (unhandled_.response_type != 0 && event.nativeScanCode() == unhandled_.detail &&
        press == (unhandled_.response_type == XCB_KEY_PRESS)) {
      unhandled_.response_type = 0;
    }
  }

 private:
  bool Unhandled() const { return unhandled_.response_type != 0 && handling_.elapsed() < kHandledLimitMs; }

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

  // Sends the first held key back to the program, once the key before it has been
  // handled and Qt would hand it to the window it belongs to.
  void Release() {
    if (held_.empty()) {
      retry_.stop();
      return;
    }
    if (in_flight_ || Unhandled()) return;
    xcb_key_press_event_t key = held_.front();
    QWidget* receiver = Receiver(key);
    QWidget* target = WindowForKeys(receiver);
    if (target == nullptr) target = receiver;
    if (target == nullptr) {
      held_.pop_front();  // no window of the program is left for it
      return;
    }
    const auto window = static_cast<xcb_window_t>(target->winId());
    if (Misdirected(key) && focus_ != window && waiting_.elapsed() < kFocusLimitMs) return;
    held_.pop_front();
    key.event = window;
    key.child = XCB_NONE;
    key.pad0 = kRelayed;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&key));
    xcb_flush(connection_);
    in_flight_ = true;
  }

  xcb_connection_t* connection_;
  xcb_window_t focus_ = XCB_NONE;
  std::deque<xcb_key_press_event_t> held_;
  bool in_flight_ = false;                // a held key sent back and not read yet
  xcb_key_press_event_t unhandled_ = {};  // the last key handed to Qt, until handled
  QElapsedTimer handling_, waiting_;
  QTimer retry_;
};

QPointer<X11KeyRelay> relay;

}  // namespace

void InstallX11KeyRelay(QObject* parent) {
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (relay != nullptr || x11 == nullptr || x11->connection() == nullptr) return;
  relay = new X11KeyRelay(parent, x11->connection());
  qGuiApp->installNativeEventFilter(relay);
}

void NoteKeyHandled(const QKeyEvent& key) {
  if (relay != nullptr) relay->Handled(key);
}

}  // namespace zelvane::ui
