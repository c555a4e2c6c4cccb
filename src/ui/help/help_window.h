#pragma once
// The help window: one built-in help text under a centred title, chosen from the document's
// HelpTopic when the window is built. It has no owner, so it outlives the window that
// asked for it; closing it discards it.

#include <QDialog>
#include <QPixmap>

#include "document/document.h"
#include "ui/help/help_texts.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zelvane::ui {

inline constexpr const char* kHelpCaption = "Help with...";

class frmHelp : public QDialog {
  Q_OBJECT

 public:
  // Builds title and text from document.HelpTopic, once.
  explicit frmHelp(const Document& document);

  void Form_Activate();
  void cmdClose_Click();

  QLabel* lblTitle = nullptr;
  QPlainTextEdit* txtHelp = nullptr;
  QPushButton* cmdClose = nullptr;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();

  const Document& document_;
  QPixmap backdrop_;
};

enum class HelpMode { Modeless, Modal };

// The caller sets document.HelpTopic first.
// Modeless: opens the help window for that topic, or, when one is open, brings it to the
// front unchanged. Returns at once.
// Modal: shows a help window for that topic modally and returns when it is closed; a help
// window open without modality is closed and replaced by it.
void ShowHelpWindow(Document& document, HelpMode mode);

// The open help window, or nullptr.
frmHelp* OpenHelpWindow();

}  // namespace zelvane::ui
