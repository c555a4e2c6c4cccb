#include "support/qt/scripted_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zelvane::testing {

namespace {

std::string Describe(PromptKind kind, const std::optional<QString>& text) {
  const char* names[] = {"message box", "input box", "open dialog", "save dialog"};
  return names[static_cast<int>(kind)] + (text ? " \"" + text->toStdString() + "\"" : std::string());
}

ui::Answer HarmlessAnswer(ui::Buttons buttons) {
  if (buttons == ui::Buttons::YesNoCancel) return ui::Answer::Cancel;
  return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
}

}  // namespace

ScriptedDialogs::ScriptedDialogs() { ui::InstallDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() {
  ui::InstallDialogs(nullptr);
  for (const Expectation& left : expected_) {
    ADD_FAILURE() << "expected " << Describe(left.kind_, left.text_) << " never shown";
  }
}

Expectation& ScriptedDialogs::Add(PromptKind kind, std::optional<QString> text) {
  Expectation& added = expected_.emplace_back();
  added.kind_ = kind;
  added.text_ = std::move(text);
  return added;
}

Expectation& ScriptedDialogs::ExpectMessage(const QString& text, ui::Answer answer) {
  Expectation& added = Add(PromptKind::MessageBox, text);
  added.answer_ = answer;
  return added;
}

Expectation& ScriptedDialogs::ExpectInput(const QString& prompt, const QString& answer) {
  Expectation& added = Add(PromptKind::InputBox, prompt);
  added.input_answer_ = answer;
  return added;
}

Expectation& ScriptedDialogs::ExpectFile(PromptKind kind, std::optional<QString> path) {
  Expectation& added = Add(kind, std::nullopt);
  added.path_answer_ = std::move(path);
  return added;
}

std::optional<Expectation> ScriptedDialogs::Match(ShownPrompt shown) {
  if (shown.title.isEmpty()) shown.title = QString::fromLatin1(ui::kApplicationTitle);
  shown_.push_back(shown);
  const std::string described = Describe(shown.kind, shown.text) + " (title \"" + shown.title.toStdString() + "\")";
  if (expected_.empty() || expected_.front().kind_ != shown.kind) {
    ADD_FAILURE() << "unexpected " << described;
    return std::nullopt;
  }
  Expectation next = std::move(expected_.front());
  expected_.pop_front();
  const auto check = [&](const auto& expected, const auto& actual, const char* what) {
    if (expected && !(*expected == actual)) {
      ADD_FAILURE() << "wrong " << what << " in " << described << ": expected " << ::testing::PrintToString(*expected);
    }
  };
  check(next.text_, shown.text, "text");
  check(next.title_, shown.title, "title");
  check(next.buttons_, shown.buttons, "buttons");
  check(next.icon_, shown.icon, "icon");
  check(next.default_button_, shown.default_button, "default button");
  check(next.default_text_, shown.default_text, "default text");
  if (next.then_) next.then_();
  return next;
}

ui::Answer ScriptedDialogs::MessageBox(const ui::MessageBoxRequest& request) {
  const auto next = Match({PromptKind::MessageBox, request.prompt, request.title, request.buttons, request.icon,
                           request.default_button, {}});
  return next ? next->answer_ : HarmlessAnswer(request.buttons);
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& default_text) {
  const auto next = Match({PromptKind::InputBox, prompt, title, {}, {}, 1, default_text});
  return next ? next->input_answer_ : QString();
}

std::optional<QString> ScriptedDialogs::FileDialog(PromptKind kind, const QString& filter) {
  const auto next = Match({kind, filter, {}, {}, {}, 1, {}});
  return next ? next->path_answer_ : std::nullopt;
}

std::optional<QString> ScriptedDialogs::OpenFileName(const QString& filter) {
  return FileDialog(PromptKind::OpenFile, filter);
}

std::optional<QString> ScriptedDialogs::SaveFileName(const QString& filter) {
  return FileDialog(PromptKind::SaveFile, filter);
}

void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms) {
  auto* timer = new QTimer(qApp);
  QElapsedTimer clock;
  clock.start();
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action = std::move(action), timeout_ms] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool shown = modal != nullptr && modal->isVisible();
    if (!shown && clock.elapsed() < timeout_ms) return;
    timer->stop();
    timer->deleteLater();
    if (shown) {
      action(modal);
    } else {
      ADD_FAILURE() << "no modal window appeared within " << timeout_ms << " ms";
    }
  });
  timer->start(5);
}

}  // namespace zelvane::testing
