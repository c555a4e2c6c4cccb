#pragma once
// A scripted stand-in for the program's dialogs, for window tests.
//
// Make one at the start of a test; it installs itself for its lifetime. Queue the
// prompts the test expects, in order, each with its answer and any checks on what is
// shown; then drive the window:
//
//   zelvane::testing::ScriptedDialogs dialogs;
//   dialogs.ExpectMessage("Do you want to save this current file?", Answer::Yes)
//       .Buttons(Buttons::YesNoCancel).Icon(Icon::Question).Title("Exit").DefaultButton(1);
//   dialogs.ExpectSave("/tmp/x/new.fld");          // or ExpectSaveCancel()
//   dialogs.ExpectInput("How many Data Items do you require?", "250").DefaultText("100");
//   window.close();
//
// Text and title checks are exact; a box without a title of its own is recorded with the
// title the user would see ("Zelvane"). A prompt that does not match the next
// expectation, or that comes when none is left, fails the test and gets the harmless
// answer (Cancel, No or Ok; empty text; no path): nothing ever falls back to a real
// dialog. Answers left unused when the twin is destroyed fail the test too. Everything
// shown is recorded in Shown(). Then(...) runs code while the prompt is "on screen".

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QString>

#include "support/qt/qt_printers.h"
#include "ui/platform/dialogs.h"

class QWidget;

namespace zelvane::testing {

enum class PromptKind { MessageBox, InputBox, OpenFile, SaveFile };

// One box or dialog as the code under test asked for it.
struct ShownPrompt {
  PromptKind kind = PromptKind::MessageBox;
  QString text;  // the prompt; the filter for a file dialog
  QString title;
  ui::Buttons buttons = ui::Buttons::Ok;
  ui::Icon icon = ui::Icon::None;
  int default_button = 1;
  QString default_text;  // input box
};

// One expected prompt with its answer; the setters add checks and return *this.
class Expectation {
 public:
  Expectation& Title(const QString& title) { return Set(title_, title); }
  Expectation& Buttons(ui::Buttons buttons) { return Set(buttons_, buttons); }
  Expectation& Icon(ui::Icon icon) { return Set(icon_, icon); }
  Expectation& DefaultButton(int number) { return Set(default_button_, number); }
  Expectation& DefaultText(const QString& text) { return Set(default_text_, text); }
  Expectation& Filter(const QString& filter) { return Set(text_, filter); }
  Expectation& Then(std::function<void()> action) { return Set(then_, std::move(action)); }

 private:
  friend class ScriptedDialogs;
  template <typename T, typename V>
  Expectation& Set(T& member, V value) {
    member = std::move(value);
    return *this;
  }
  PromptKind kind_ = PromptKind::MessageBox;
  std::optional<QString> text_, title_, default_text_;  // nothing: not checked
  std::optional<ui::Buttons> buttons_;
  std::optional<ui::Icon> icon_;
  std::optional<int> default_button_;
  ui::Answer answer_ = ui::Answer::Ok;
  QString input_answer_;
  std::optional<QString> path_answer_;
  std::function<void()> then_;
};

class ScriptedDialogs final : public ui::DialogService {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  Expectation& ExpectMessage(const QString& text, ui::Answer answer);
  Expectation& ExpectInput(const QString& prompt, const QString& answer);
  Expectation& ExpectInputCancel(const QString& prompt) { return ExpectInput(prompt, QString()); }
  Expectation& ExpectOpen(const QString& path) { return ExpectFile(PromptKind::OpenFile, path); }
  Expectation& ExpectOpenCancel() { return ExpectFile(PromptKind::OpenFile, std::nullopt); }
  Expectation& ExpectSave(const QString& path) { return ExpectFile(PromptKind::SaveFile, path); }
  Expectation& ExpectSaveCancel() { return ExpectFile(PromptKind::SaveFile, std::nullopt); }

  const std::vector<ShownPrompt>& Shown() const { return shown_; }
  bool AllUsed() const { return expected_.empty(); }

  ui::Answer MessageBox(const ui::MessageBoxRequest& request) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& default_text) override;
  std::optional<QString> OpenFileName(const QString& filter) override;
  std::optional<QString> SaveFileName(const QString& filter) override;

 private:
  Expectation& Add(PromptKind kind, std::optional<QString> text);
  Expectation& ExpectFile(PromptKind kind, std::optional<QString> path);
  // Records the prompt and checks it against the next expectation, which it takes off
  // the queue; nothing when the prompt was unexpected.
  std::optional<Expectation> Match(ShownPrompt shown);
  std::optional<QString> FileDialog(PromptKind kind, const QString& filter);

  std::deque<Expectation> expected_;
  std::vector<ShownPrompt> shown_;
};

// Waits (in the event loop) for a modal window to appear, then runs the action with it:
// called just before the code under test opens the window, it acts inside its loop.
// Fails the test if none appears within the time.
void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms = 5000);

}  // namespace zelvane::testing
