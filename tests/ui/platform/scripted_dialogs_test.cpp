// The scripted twin is what every window test trusts to catch a wrong or missing
// prompt, so its own failures are tested here.
#include "support/qt/scripted_dialogs.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace zelvane::testing {
namespace {

using ui::Answer;
using ui::Buttons;
using ui::Icon;

// The failure messages the action reports, caught instead of failing this test.
std::vector<std::string> FailuresOf(const std::function<void()>& action) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    action();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) messages.emplace_back(results.GetTestPartResult(i).message());
  return messages;
}

bool AnyContains(const std::vector<std::string>& messages, const std::string& part) {
  for (const std::string& message : messages) {
    if (message.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasShown) {
  ScriptedDialogs dialogs;
  dialogs.ExpectMessage("Save?", Answer::Yes).Title("Exit").Buttons(Buttons::YesNoCancel).Icon(Icon::Question);
  dialogs.ExpectInput("How many?", "250").Title("Count").DefaultText("100");
  dialogs.ExpectSave("/tmp/a.fld").Filter(ui::kFldFilter);
  dialogs.ExpectOpenCancel();
  int shown_when_done = -1;
  dialogs.ExpectMessage("Done", Answer::Ok).Title("Zelvane").Then([&] { shown_when_done = 5; });

  EXPECT_EQ(ui::MsgBox("Save?", Buttons::YesNoCancel, Icon::Question, "Exit"), Answer::Yes);
  EXPECT_EQ(ui::Dialogs().InputBox("How many?", "Count", "100"), "250");
  EXPECT_EQ(ui::Dialogs().SaveFileName(ui::kFldFilter), QString("/tmp/a.fld"));
  EXPECT_EQ(ui::Dialogs().OpenFileName(ui::kFldFilter), std::nullopt);
  EXPECT_EQ(shown_when_done, -1);
  ui::MsgBox("Done");  // no title of its own
  EXPECT_EQ(shown_when_done, 5);

  EXPECT_TRUE(dialogs.AllUsed());
  ASSERT_EQ(dialogs.Shown().size(), 5u);
  EXPECT_EQ(dialogs.Shown()[0].default_button, 1);
  EXPECT_EQ(dialogs.Shown()[2].offered_path, QString());
  // The path chosen last is offered again, by either dialog.
  EXPECT_EQ(dialogs.Shown()[3].offered_path, QString("/tmp/a.fld"));
}

TEST(ScriptedDialogs, MismatchesFailTheTest) {
  struct Case {
    const char* name;
    std::function<void(ScriptedDialogs&)> expect;
    std::function<void()> act;
    const char* failure;
  };
  const std::vector<Case> cases = {
      {"wrong text", [](ScriptedDialogs& d) { d.ExpectMessage("Yes?", Answer::Yes); },
       [] { ui::MsgBox("No?"); }, "wrong text"},
      {"wrong title", [](ScriptedDialogs& d) { d.ExpectMessage("Q", Answer::Ok).Title("Exit"); },
       [] { ui::MsgBox("Q"); }, "wrong title"},
      {"wrong buttons", [](ScriptedDialogs& d) { d.ExpectMessage("Q", Answer::Ok).Buttons(Buttons::YesNo); },
       [] { ui::MsgBox("Q"); }, "wrong buttons"},
      {"wrong icon", [](ScriptedDialogs& d) { d.ExpectMessage("Q", Answer::Ok).Icon(Icon::Exclamation); },
       [] { ui::MsgBox("Q", Buttons::Ok, Icon::Information); }, "wrong icon"},
      {"wrong default button", [](ScriptedDialogs& d) { d.ExpectMessage("Q", Answer::Yes).DefaultButton(2); },
       [] { ui::MsgBox("Q", Buttons::YesNo); }, "wrong default button"},
      {"wrong default text", [](ScriptedDialogs& d) { d.ExpectInput("N?", "1").DefaultText("100"); },
       [] { ui::Dialogs().InputBox("N?", "", "99"); }, "wrong default text"},
      {"wrong kind", [](ScriptedDialogs& d) { d.ExpectOpenCancel(); },
       [] { ui::Dialogs().SaveFileName(ui::kFldFilter); }, "unexpected save dialog"},
      {"nothing expected", [](ScriptedDialogs&) {}, [] { ui::MsgBox("Surprise"); }, "unexpected message box"},
      {"left unused", [](ScriptedDialogs& d) { d.ExpectSave("/tmp/x.fld"); }, [] {}, "never shown"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> failures = FailuresOf([&] {
      ScriptedDialogs dialogs;
      c.expect(dialogs);
      c.act();
    });
    EXPECT_TRUE(AnyContains(failures, c.failure)) << c.name;
  }
}

TEST(ScriptedDialogs, UnexpectedPromptsGetTheHarmlessAnswer) {
  std::vector<Answer> answers;
  QString text = "not asked";
  std::optional<QString> path = QString("not asked");
  const std::vector<std::string> failures = FailuresOf([&] {
    ScriptedDialogs dialogs;
    answers.push_back(ui::MsgBox("a", Buttons::YesNoCancel));
    answers.push_back(ui::MsgBox("b", Buttons::YesNo));
    answers.push_back(ui::MsgBox("c", Buttons::Ok));
    text = ui::Dialogs().InputBox("d", "", "default");
    path = ui::Dialogs().OpenFileName(ui::kFldFilter);
  });
  EXPECT_EQ(failures.size(), 5u);
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::Cancel, Answer::No, Answer::Ok}));
  EXPECT_EQ(text, QString());
  EXPECT_EQ(path, std::nullopt);
}

}  // namespace
}  // namespace zelvane::testing
