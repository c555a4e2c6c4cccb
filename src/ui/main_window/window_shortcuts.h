#pragma once
// Makes a window's action shortcuts act whichever of its controls has the focus. A text
// box claims standard keys such as Ctrl+X, Ctrl+A and Ctrl+H for itself (through the
// ShortcutOverride event) unless the window takes them first.

#include <QObject>
#include <QPointer>

class QWidget;

namespace zelvane::ui {

class WindowShortcutFilter : public QObject {
  Q_OBJECT

 public:
  // Watches the whole application, so controls added to the window later are covered
  // too; the filter belongs to the window and ends with it.
  explicit WindowShortcutFilter(QWidget* window);
  ~WindowShortcutFilter() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace zelvane::ui
