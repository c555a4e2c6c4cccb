#include "ui/platform/keyboard_queue.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>

#include "ui/platform/desktop.h"

namespace zelvane::ui {

namespace {

bool Within(const QWidget* widget, const QWidget* window) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w == window) return true;
  }
  return false;
}

bool IsAltLetter(const QKeyEvent& key) {
  const Qt::KeyboardModifiers mods = key.modifiers();
  return mods.testFlag(Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
         !key.text().isEmpty() && key.text().front().isPrint();
}

QKeySequence Pressed(const QKeyEvent& key) {
  return QKeySequence(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
}

// The access keys and window shortcuts of a window, for a key that never went through
// Qt's own shortcut handling because it arrived at another window.
bool RunShortcut(QWidget* window, const QKeyEvent& key) {
  const QKeySequence pressed = Pressed(key);
  const auto actions = window->actions();
  for (QAction* action : actions) {
    if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
      action->trigger();
      return true;
    }
  }
  if (!IsAltLetter(key)) return false;
  const auto buttons = window->findChildren<QAbstractButton*>();
  for (QAbstractButton* button : buttons) {
    if (button->window() == window && button->isVisible() && button->isEnabled() && button->shortcut() == pressed) {
      button->click();
      return true;
    }
  }
  const auto labels = window->findChildren<QLabel*>();
  for (QLabel* label : labels) {
    if (label->window() == window && label->isVisible() && QKeySequence::mnemonic(label->text()) == pressed &&
        GiveFocus(label->buddy())) {
      return true;
    }
  }
  return false;
}

// A message box answers a button's letter without Alt too; Qt would click it later.
bool AnswerMessageBox(QWidget* receiver, const QKeyEvent& key) {
  auto* box = qobject_cast<QMessageBox*>(receiver->window());
  if (box == nullptr || (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))) return false;
  const auto buttons = box->buttons();
  for (QAbstractButton* button : buttons) {
    const QKeySequence shortcut = button->shortcut();
    if (!shortcut.isEmpty() && shortcut[0].key() == key.key() && button->isEnabled()) {
      button->click();
      return true;
    }
  }
  return false;
}

class KeyboardQueue final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool operator==(const Key&) const = default;
  };
  struct Owner {
    QPointer<QWidget> modal, owner;
  };

  static Key Of(const QKeyEvent& key) { return {key.key(), key.modifiers(), key.text()}; }
  QWidget* KeyWindow(QWidget* arrived) const;
  bool Route(QWidget* receiver, QKeyEvent* key);
  void Deliver(QWidget* window, const QKeyEvent& key);
  bool KeyPress(QWidget* receiver, QKeyEvent* key);
  bool RefuseClose(QWidget* window, QEvent* event) const;
  void Track(QWidget* window, QEvent::Type type);

  // The key just routed elsewhere: Qt still hands it to the window it arrived at once
  // that window is no longer blocked.
  std::optional<Key> routed_;
  const QEvent* own_override_ = nullptr;
  std::vector<QPointer<QWidget>> activated_;  // the last one activated at the back
  std::vector<Owner> owners_;                 // the window each open modal one came from
};

bool KeyboardQueue::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      if (event == own_override_) return false;
      routed_.reset();  // a new key from the window system
      return Route(widget, static_cast<QKeyEvent*>(event));
    case QEvent::Shortcut: {
      // An access key clicks at once; the pressed look is not worth acting late for.
      auto* button = qobject_cast<QAbstractButton*>(widget);
      if (button == nullptr || static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled()) return false;
      button->click();
      return true;
    }
    case QEvent::KeyPress:
      return KeyPress(widget, static_cast<QKeyEvent*>(event));
    case QEvent::Close:
      return RefuseClose(widget, event);
    case QEvent::WindowActivate:
    case QEvent::Show:
    case QEvent::Hide:
      if (widget->isWindow()) Track(widget, event->type());
      return false;
    default:
      return false;
  }
}

QWidget* KeyboardQueue::KeyWindow(QWidget* arrived) const {
  QWidget* window = arrived->window();
  if (BlockedByModal(window)) return QApplication::activeModalWidget();
  if (window->isVisible()) return nullptr;
  for (auto it = activated_.rbegin(); it != activated_.rend(); ++it) {
    if (*it != nullptr && *it != window && (*it)->isVisible()) return *it;
  }
  return nullptr;
}

bool KeyboardQueue::Route(QWidget* receiver, QKeyEvent* key) {
  QWidget* window = KeyWindow(receiver);
  if (window == nullptr) return false;
  // Accepted, the key runs no shortcut of the window it arrived at.
  key->accept();
  const Key routed = Of(*key);
  Deliver(window, *key);
  routed_ = routed;
  return true;
}

void KeyboardQueue::Deliver(QWidget* window, const QKeyEvent& key) {
  QPointer<QWidget> target = window->focusWidget() != nullptr ? window->focusWidget() : window;
  QKeyEvent override(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.nativeScanCode(),
                     key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(), key.count());
  own_override_ = &override;
  QCoreApplication::sendEvent(target, &override);
  own_override_ = nullptr;
  if (!override.isAccepted() && RunShortcut(window, key)) return;
  if (target == nullptr) return;
  QKeyEvent press(QEvent::KeyPress, key.key(), key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                  key.nativeModifiers(), key.text(), key.isAutoRepeat(), key.count());
  QCoreApplication::sendEvent(target, &press);
}

bool KeyboardQueue::KeyPress(QWidget* receiver, QKeyEvent* key) {
  if (key->spontaneous() && routed_ && *routed_ == Of(*key)) {
    routed_.reset();
    return true;
  }
  if (AnswerMessageBox(receiver, *key)) return true;
  // No access key took it: an Alt+letter types nothing.
  return IsAltLetter(*key);
}

bool KeyboardQueue::RefuseClose(QWidget* window, QEvent* event) const {
  if (!window->isWindow() || !BlockedByModal(window)) return false;
  const bool owner = std::any_of(owners_.begin(), owners_.end(), [window](const Owner& o) {
    return o.modal != nullptr && o.modal->isVisible() && o.owner == window;
  });
  if (!event->spontaneous() && !owner) return false;
  event->ignore();
  return true;
}

void KeyboardQueue::Track(QWidget* window, QEvent::Type type) {
  std::erase_if(activated_, [window, type](const QPointer<QWidget>& w) {
    return w == nullptr || (type == QEvent::WindowActivate && w == window);
  });
  std::erase_if(owners_, [window, type](const Owner& o) {
    return o.modal == nullptr || (type == QEvent::Hide && o.modal == window);
  });
  if (type == QEvent::WindowActivate) activated_.emplace_back(window);
  if (type == QEvent::Show && window->isModal()) {
    QWidget* owner = QApplication::activeWindow();
    if (owner != nullptr && owner != window) owners_.push_back({window, owner});
  }
}

}  // namespace

bool BlockedByModal(const QWidget* window) {
  const QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && window != nullptr && !Within(window->window(), modal);
}

void InstallKeyboardQueue() {
  static QPointer<KeyboardQueue> installed;
  if (installed != nullptr || qApp == nullptr) return;
  installed = new KeyboardQueue(qApp);
  qApp->installEventFilter(installed);
}

}  // namespace zelvane::ui
