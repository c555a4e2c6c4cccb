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
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <gtest/gtest.h>

#include "support/qt/qt_printers.h"
#include "ui/platform/dialogs.h"

class QWidget;

namespace zelvane::testing {

// One expected prompt with its answer; each setter adds a check on what is shown.
class Expectation {
 public:
  Expectation& Title(const QString& title) { return Check("title", title); }
  Expectation& Buttons(ui::Buttons buttons) { return Check("buttons", buttons); }
  Expectation& Icon(ui::Icon icon) { return Check("icon", icon); }
  Expectation& DefaultButton(int number) { return Check("default button", number); }
  Expectation& DefaultText(const QString& text) { return Check("default text", text); }
  Expectation& Filter(const QString& filter) { return Check("text", filter); }
  Expectation& Then(std::function<void()> action) {
    then_ = std::move(action);
    return *this;
  }

 private:
  friend class ScriptedDialogs;
  template <typename T>
  Expectation& Check(const std::string& what, const T& expected) {
    checks_[what] = ::testing::PrintToString(expected);
    return *this;
  }

  std::string kind_;                           // "message box", "input box", "open dialog", "save dialog"
  std::map<std::string, std::string> checks_;  // what is shown: its expected value, printed
  ui::Answer answer_ = ui::Answer::Ok;
  std::optional<QString> text_answer_;  // the input box's text or the chosen path
  std::function<void()> then_;
};

class ScriptedDialogs final : public ui::DialogService {
 public:
  ScriptedDialogs() { ui::InstallDialogs(this); }
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  Expectation& ExpectMessage(const QString& text, ui::Answer answer) {
    return Add("message box", text, std::nullopt, answer);
  }
  Expectation& ExpectInput(const QString& prompt, const QString& answer) { return Add("input box", prompt, answer); }
  Expectation& ExpectInputCancel(const QString& prompt) { return ExpectInput(prompt, QString()); }
  Expectation& ExpectOpen(const QString& path) { return Add("open dialog", std::nullopt, path); }
  Expectation& ExpectOpenCancel() { return Add("open dialog", std::nullopt, std::nullopt); }
  Expectation& ExpectSave(const QString& path) { return Add("save dialog", std::nullopt, path); }
  Expectation& ExpectSaveCancel() { return Add("save dialog", std::nullopt, std::nullopt); }

  // Each prompt shown, described in full.
  const std::vector<std::string>& Shown() const { return shown_; }
  bool AllUsed() const { return expected_.empty(); }

  ui::Answer MessageBox(const ui::MessageBoxRequest& request) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& default_text) override;
  std::optional<QString> OpenFileName(const QString& filter) override { return PathAnswer("open dialog", filter); }
  std::optional<QString> SaveFileName(const QString& filter) override { return PathAnswer("save dialog", filter); }

 private:
  using Fields = std::map<std::string, std::string>;
  Expectation& Add(const std::string& kind, const std::optional<QString>& text, std::optional<QString> text_answer,
                   ui::Answer answer = ui::Answer::Ok);
  // Records the prompt and checks it against the next expectation, which it takes off
  // the queue; nothing when the prompt was unexpected.
  std::optional<Expectation> Match(const std::string& kind, const Fields& shown);
  std::optional<QString> PathAnswer(const std::string& kind, const QString& filter);

  std::deque<Expectation> expected_;
  std::vector<std::string> shown_;
};

// Waits (in the event loop) for a modal window to appear, then runs the action with it:
// called just before the code under test opens the window, it acts inside its loop.
// Fails the test if none appears within the time.
void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms = 5000);

}  // namespace zelvane::testing
