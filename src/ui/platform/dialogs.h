#pragma once
// The modal boxes and file dialogs the windows ask the user through. Every window calls
// Dialogs() instead of Qt directly, so that tests can install a scripted twin that
// answers from a queue and records what was shown.

#include <optional>

#include <QString>

class QWidget;

namespace zelvane::ui {

inline constexpr const char* kApplicationTitle = "Zelvane";
inline constexpr const char* kFldFilter = "(*.fld)|*.fld";

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
  QString prompt;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  int default_button = 1;  // 1 = the first button of the set
  QString title;           // empty: the application title
};

class DialogService {
 public:
  virtual ~DialogService() = default;

  // Returns the button pressed; Esc or the close box count as Cancel (or No in a Yes/No
  // box without Cancel, Ok in an OK box).
  virtual Answer MessageBox(const MessageBoxRequest& request) = 0;
  // Returns the text typed, the empty text on Cancel.
  virtual QString InputBox(const QString& prompt, const QString& title, const QString& default_text) = 0;
  // Return the full path chosen, or nothing when the dialog is cancelled or fails.
  // filter is in the "description|pattern" form. The last path chosen in either
  // dialog is offered again; nothing is asked before overwriting; no extension is added.
  virtual std::optional<QString> OpenFileName(const QString& filter) = 0;
  virtual std::optional<QString> SaveFileName(const QString& filter) = 0;
};

// The service in use: the real dialogs unless a test installed another.
DialogService& Dialogs();
// Installs a service (nullptr: back to the real dialogs). The caller keeps ownership.
void InstallDialogs(DialogService* service);

// Whether the window is one of the message boxes, input boxes or file dialogs above.
bool IsDialogBox(const QWidget* window);

// Shorthand for the common case.
inline Answer MsgBox(const QString& prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                     const QString& title = QString(), int default_button = 1) {
  return Dialogs().MessageBox({prompt, buttons, icon, default_button, title});
}

}  // namespace zelvane::ui
