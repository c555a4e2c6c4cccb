#include "ui/platform/x11_key_relay.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
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
  X11KeyRelay(QObject* parent, xcb_connection_t* connection)
      : QObject(parent),
        connection_(connection),
        protocols_(Atom(connection, "WM_PROTOCOLS")),
        delete_window_(Atom(connection, "WM_DELETE_WINDOW")) {
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
    if (kind == XCB_CLIENT_MESSAGE) return HoldCloseRequest(*static_cast<const xcb_client_message_event_t*>(message));
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
        if (close_) ++keys_before_close_;
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
  static xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply != nullptr) atom = reply->atom;
    std::free(reply);
    return atom;
  }

  // The window manager's close request for a key typed after the held ones (Alt+F4)
  // must not overtake them: it waits behind them and is sent back after the last.
  bool HoldCloseRequest(const xcb_client_message_event_t& message) {
    if (message.type != protocols_ || message.data.data32[0] != delete_window_ || delete_window_ == XCB_ATOM_NONE) {
      return false;
    }
    if (passing_close_) {
      passing_close_ = false;
      return false;
    }
    if ((held_.empty() && !in_flight_) || close_) return false;
    close_ = message;
    keys_before_close_ = held_.size();
    if (!retry_.isActive()) retry_.start();
    return true;
  }

  void SendCloseRequest() {
    xcb_client_message_event_t message = *close_;
    close_.reset();
    passing_close_ = true;
    xcb_send_event(connection_, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
  }

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
    if (held_.empty() && !close_) {
      retry_.stop();
      return;
    }
    if (in_flight_ || Unhandled()) return;
    if (close_ && keys_before_close_ == 0) return SendCloseRequest();
    xcb_key_press_event_t key = held_.front();
    QWidget* receiver = Receiver(key);
    QWidget* target = WindowForKeys(receiver);
    if (target == nullptr) target = receiver;
    if (target == nullptr) {
      PopKey();  // no window of the program is left for it
      return;
    }
    const auto window = static_cast<xcb_window_t>(target->winId());
    if (Misdirected(key) && focus_ != window && waiting_.elapsed() < kFocusLimitMs) return;
    PopKey();
    key.event = window;
    key.child = XCB_NONE;
    key.pad0 = kRelayed;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&key));
    xcb_flush(connection_);
    in_flight_ = true;
  }

  void PopKey() {
    held_.pop_front();
    if (close_ && keys_before_close_ > 0) --keys_before_close_;
  }

  xcb_connection_t* connection_;
  const xcb_atom_t protocols_, delete_window_;
  std::optional<xcb_client_message_event_t> close_;  // a close request held behind keys
  std::size_t keys_before_close_ = 0;
  bool passing_close_ = false;                        // the held close request sent back
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
