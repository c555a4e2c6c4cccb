#include "ui/platform/keyboard_queue.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>

#include "ui/platform/x11_key_relay.h"

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

  QWidget* KeyWindow(const QWidget* arrived) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Owner {
    QPointer<QWidget> modal, owner;
  };

  bool KeyPress(QWidget* receiver, QKeyEvent* key);
  bool RefuseClose(QWidget* window, QEvent* event) const;
  void Track(QWidget* window, QEvent::Type type);

  std::vector<QPointer<QWidget>> activated_;  // the last one activated at the back
  std::vector<Owner> owners_;                 // the window each open modal one came from
};

QPointer<KeyboardQueue> installed;

bool KeyboardQueue::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
      NoteKeyHandled(*static_cast<QKeyEvent*>(event));
      return false;
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

QWidget* KeyboardQueue::KeyWindow(const QWidget* arrived) const {
  if (arrived != nullptr && arrived->window()->windowType() == Qt::Popup) return nullptr;  // Qt routes those
  if (BlockedByModal(arrived)) return QApplication::activeModalWidget();
  if (arrived != nullptr && arrived->isVisible()) return nullptr;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (auto it = activated_.rbegin(); it != activated_.rend(); ++it) {
    if (*it != nullptr && *it != arrived && (*it)->isVisible()) return *it;
  }
  return nullptr;
}

bool KeyboardQueue::KeyPress(QWidget* receiver, QKeyEvent* key) {
  NoteKeyHandled(*key);
  // A keystroke the program queued for itself comes before the keys typed after it.
  if (key->spontaneous()) QCoreApplication::sendPostedEvents(nullptr, QEvent::KeyPress);
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
  return modal != nullptr && window != nullptr && window->window()->windowType() != Qt::Popup &&
         !Within(window->window(), modal);
}

QWidget* WindowForKeys(const QWidget* arrived) {
  return installed != nullptr ? installed->KeyWindow(arrived) : nullptr;
}

void InstallKeyboardQueue() {
  if (installed != nullptr || qApp == nullptr) return;
  installed = new KeyboardQueue(qApp);
  qApp->installEventFilter(installed);
  InstallX11KeyRelay(qApp);
}

}  // namespace zelvane::ui
