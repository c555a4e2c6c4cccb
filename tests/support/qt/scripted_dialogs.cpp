#include "support/qt/scripted_dialogs.h"

#include <utility>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zelvane::testing {

namespace {

const char* KindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::MessageBox: return "message box";
    case PromptKind::InputBox: return "input box";
    case PromptKind::OpenFile: return "open dialog";
    case PromptKind::SaveFile: return "save dialog";
  }
  return "?";
}

QString ShownTitle(const QString& title) {
  return title.isEmpty() ? QString::fromLatin1(ui::kApplicationTitle) : title;
}

std::string Describe(const ShownPrompt& shown) {
  return std::string(KindName(shown.kind)) + " \"" + shown.text.toStdString() + "\" (title \"" +
         shown.title.toStdString() + "\")";
}

template <typename T>
void Check(const std::optional<T>& expected, const T& actual, const char* what, const ShownPrompt& shown) {
  if (expected && !(*expected == actual)) {
    ADD_FAILURE() << "wrong " << what << " in " << Describe(shown);
  }
}

void CheckText(const std::optional<QString>& expected, const QString& actual, const char* what,
               const ShownPrompt& shown) {
  if (expected && *expected != actual) {
    ADD_FAILURE() << "wrong " << what << " in " << Describe(shown) << ": expected \""
                  << expected->toStdString() << "\"";
  }
}

ui::Answer HarmlessAnswer(ui::Buttons buttons) {
  switch (buttons) {
    case ui::Buttons::YesNoCancel: return ui::Answer::Cancel;
    case ui::Buttons::YesNo: return ui::Answer::No;
    case ui::Buttons::Ok: break;
  }
  return ui::Answer::Ok;
}

}  // namespace

Expectation& Expectation::Title(const QString& title) { title_ = title; return *this; }
Expectation& Expectation::Buttons(ui::Buttons buttons) { buttons_ = buttons; return *this; }
Expectation& Expectation::Icon(ui::Icon icon) { icon_ = icon; return *this; }
Expectation& Expectation::DefaultButton(int number) { default_button_ = number; return *this; }
Expectation& Expectation::DefaultText(const QString& text) { default_text_ = text; return *this; }
Expectation& Expectation::Filter(const QString& filter) { text_ = filter; return *this; }
Expectation& Expectation::Then(std::function<void()> action) { then_ = std::move(action); return *this; }

ScriptedDialogs::ScriptedDialogs() { ui::InstallDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() {
  ui::InstallDialogs(nullptr);
  for (const Expectation& left : expected_) {
    ADD_FAILURE() << "expected " << KindName(left.kind_) << " never shown"
                  << (left.text_ ? " \"" + left.text_->toStdString() + "\"" : std::string());
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

Expectation& ScriptedDialogs::ExpectInputCancel(const QString& prompt) { return ExpectInput(prompt, QString()); }

Expectation& ScriptedDialogs::ExpectOpen(const QString& path) {
  Expectation& added = Add(PromptKind::OpenFile, std::nullopt);
  added.path_answer_ = path;
  return added;
}

Expectation& ScriptedDialogs::ExpectOpenCancel() { return Add(PromptKind::OpenFile, std::nullopt); }

Expectation& ScriptedDialogs::ExpectSave(const QString& path) {
  Expectation& added = Add(PromptKind::SaveFile, std::nullopt);
  added.path_answer_ = path;
  return added;
}

Expectation& ScriptedDialogs::ExpectSaveCancel() { return Add(PromptKind::SaveFile, std::nullopt); }

std::optional<Expectation> ScriptedDialogs::Match(const ShownPrompt& shown) {
  shown_.push_back(shown);
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << Describe(shown);
    return std::nullopt;
  }
  if (expected_.front().kind_ != shown.kind) {
    ADD_FAILURE() << "unexpected " << Describe(shown) << " while a " << KindName(expected_.front().kind_)
                  << " was expected";
    return std::nullopt;
  }
  Expectation next = std::move(expected_.front());
  expected_.pop_front();
  CheckText(next.text_, shown.text, shown.kind == PromptKind::MessageBox || shown.kind == PromptKind::InputBox
                                        ? "text" : "filter", shown);
  CheckText(next.title_, shown.title, "title", shown);
  Check(next.buttons_, shown.buttons, "buttons", shown);
  Check(next.icon_, shown.icon, "icon", shown);
  Check(next.default_button_, shown.default_button, "default button", shown);
  CheckText(next.default_text_, shown.default_text, "default text", shown);
  if (next.then_) next.then_();
  return next;
}

ui::Answer ScriptedDialogs::MessageBox(const ui::MessageBoxRequest& request) {
  ShownPrompt shown;
  shown.kind = PromptKind::MessageBox;
  shown.text = request.prompt;
  shown.title = ShownTitle(request.title);
  shown.buttons = request.buttons;
  shown.icon = request.icon;
  shown.default_button = request.default_button;
  const std::optional<Expectation> next = Match(shown);
  return next ? next->answer_ : HarmlessAnswer(request.buttons);
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& default_text) {
  ShownPrompt shown;
  shown.kind = PromptKind::InputBox;
  shown.text = prompt;
  shown.title = ShownTitle(title);
  shown.default_text = default_text;
  const std::optional<Expectation> next = Match(shown);
  return next ? next->input_answer_ : QString();
}

std::optional<QString> ScriptedDialogs::FileDialog(PromptKind kind, const QString& filter) {
  ShownPrompt shown;
  shown.kind = kind;
  shown.text = filter;
  shown.offered_path = last_path_;
  const std::optional<Expectation> next = Match(shown);
  if (!next || !next->path_answer_) return std::nullopt;
  last_path_ = *next->path_answer_;
  return last_path_;
}

std::optional<QString> ScriptedDialogs::OpenFileName(const QString& filter) {
  return FileDialog(PromptKind::OpenFile, filter);
}

std::optional<QString> ScriptedDialogs::SaveFileName(const QString& filter) {
  return FileDialog(PromptKind::SaveFile, filter);
}

void RunSoon(std::function<void()> action) {
  QTimer::singleShot(0, qApp, std::move(action));
}

void WhenModalShown(std::function<void(QWidget* modal)> action, int timeout_ms) {
  auto* timer = new QTimer(qApp);
  QElapsedTimer clock;
  clock.start();
  timer->setInterval(5);
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
  timer->start();
}

}  // namespace zelvane::testing
