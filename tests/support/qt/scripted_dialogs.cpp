#include "support/qt/scripted_dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

namespace zelvane::testing {

namespace {

using ::testing::PrintToString;

std::string ShownTitle(const QString& title) {
  return PrintToString(title.isEmpty() ? QString::fromLatin1(ui::kApplicationTitle) : title);
}

ui::Answer HarmlessAnswer(ui::Buttons buttons) {
  if (buttons == ui::Buttons::YesNoCancel) return ui::Answer::Cancel;
  return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
}

}  // namespace

ScriptedDialogs::~ScriptedDialogs() {
  ui::InstallDialogs(nullptr);
  for (const Expectation& left : expected_) {
    const auto text = left.checks_.find("text");
    const std::string described = left.kind_ + (text != left.checks_.end() ? " " + text->second : "");
    ADD_FAILURE() << "expected " << described << " never shown";
  }
}

Expectation& ScriptedDialogs::Add(const std::string& kind, const std::optional<QString>& text,
                                  std::optional<QString> text_answer, ui::Answer answer) {
  Expectation& added = expected_.emplace_back();
  added.kind_ = kind;
  added.answer_ = answer;
  added.text_answer_ = std::move(text_answer);
  return text ? added.Check("text", *text) : added;
}

std::optional<Expectation> ScriptedDialogs::Match(const std::string& kind, const Fields& shown) {
  std::string described = kind;
  for (const auto& [what, value] : shown) described += ", " + what + " " + value;
  shown_.push_back(described);
  if (expected_.empty() || expected_.front().kind_ != kind) {
    ADD_FAILURE() << "unexpected " << described;
    return std::nullopt;
  }
  Expectation next = std::move(expected_.front());
  expected_.pop_front();
  for (const auto& [what, expected] : next.checks_) {
    const auto found = shown.find(what);
    if (found == shown.end() || found->second != expected) {
      ADD_FAILURE() << "wrong " << what << " in " << described << ": expected " << expected;
    }
  }
  if (next.then_) next.then_();
  return next;
}

ui::Answer ScriptedDialogs::MessageBox(const ui::MessageBoxRequest& request) {
  const auto next = Match("message box", {{"text", PrintToString(request.prompt)}, {"title", ShownTitle(request.title)},
                                          {"buttons", PrintToString(request.buttons)},
                                          {"icon", PrintToString(request.icon)},
                                          {"default button", PrintToString(request.default_button)}});
  return next ? next->answer_ : HarmlessAnswer(request.buttons);
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& default_text) {
  const auto next = Match("input box", {{"text", PrintToString(prompt)}, {"title", ShownTitle(title)},
                                        {"default text", PrintToString(default_text)}});
  return next ? next->text_answer_.value_or(QString()) : QString();
}

std::optional<QString> ScriptedDialogs::PathAnswer(const std::string& kind, const QString& filter) {
  const auto next = Match(kind, {{"text", PrintToString(filter)}});
  return next ? next->text_answer_ : std::nullopt;
}

void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, timer, [=, deadline = QDeadlineTimer(timeout_ms)] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool shown = modal != nullptr && modal->isVisible();
    if (!shown && !deadline.hasExpired()) return;
    timer->stop();
    timer->deleteLater();
    EXPECT_TRUE(shown) << "no modal window appeared within " << timeout_ms << " ms";
    if (shown) action(modal);
  });
  timer->start(5);
}

}  // namespace zelvane::testing
