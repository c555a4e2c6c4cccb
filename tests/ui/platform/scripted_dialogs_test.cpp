// The scripted twin is what every window test trusts to catch a wrong or missing
// prompt, so its own failures are tested here.
#include "support/qt/scripted_dialogs.h"

#include <functional>
#include <string>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace zelvane::testing {
namespace {

using ui::Answer;
using ui::Buttons;
using ui::Icon;

// The failure messages the action reports, joined, caught instead of failing this test.
std::string FailuresOf(const std::function<void()>& action) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    action();
  }
  std::string messages;
  for (int i = 0; i < results.size(); ++i) messages += std::string(results.GetTestPartResult(i).message()) + "\n";
  return messages;
}

TEST(ScriptedDialogs, AnswersInOrderAndOffersTheLastPathAgain) {
  ScriptedDialogs dialogs;
  dialogs.ExpectMessage("Save?", Answer::Yes).Title("Exit").Buttons(Buttons::YesNoCancel).Icon(Icon::Question);
  dialogs.ExpectInput("How many?", "250").Title("Zelvane").DefaultText("100");
  dialogs.ExpectSave("/tmp/a.fld").Filter(ui::kFldFilter);
  bool then_ran = false;
  dialogs.ExpectOpenCancel().Then([&] { then_ran = true; });
  EXPECT_EQ(ui::MsgBox("Save?", Buttons::YesNoCancel, Icon::Question, "Exit"), Answer::Yes);
  EXPECT_EQ(ui::Dialogs().InputBox("How many?", "", "100"), "250");
  EXPECT_EQ(ui::Dialogs().SaveFileName(ui::kFldFilter), QString("/tmp/a.fld"));
  EXPECT_FALSE(then_ran);
  EXPECT_EQ(ui::Dialogs().OpenFileName(ui::kFldFilter), std::nullopt);
  EXPECT_TRUE(then_ran && dialogs.AllUsed());
  EXPECT_EQ(dialogs.Shown().back().offered_path, "/tmp/a.fld");
}

TEST(ScriptedDialogs, MismatchesFailTheTestAndGetTheHarmlessAnswer) {
  using D = ScriptedDialogs;
  const struct {
    std::function<void(D&)> expect;
    std::function<bool()> act;  // true when the answer is the due one: scripted, or harmless
    const char* failure;
  } cases[] = {
      {[](D& d) { d.ExpectMessage("Yes?", Answer::Yes); }, [] { return ui::MsgBox("No?") == Answer::Yes; },
       "wrong text"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Title("Exit"); }, [] { return ui::MsgBox("Q") == Answer::Ok; },
       "wrong title"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Buttons(Buttons::YesNo); },
       [] { return ui::MsgBox("Q") == Answer::Ok; }, "wrong buttons"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Icon(Icon::Exclamation); },
       [] { return ui::MsgBox("Q", Buttons::Ok, Icon::Information) == Answer::Ok; }, "wrong icon"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Yes).DefaultButton(2); },
       [] { return ui::MsgBox("Q", Buttons::YesNo) == Answer::Yes; }, "wrong default button"},
      {[](D& d) { d.ExpectInput("N?", "1").DefaultText("100"); },
       [] { return ui::Dialogs().InputBox("N?", "", "99") == "1"; }, "wrong default text"},
      {[](D& d) { d.ExpectOpenCancel(); }, [] { return !ui::Dialogs().SaveFileName(ui::kFldFilter); },
       "unexpected save dialog"},
      {[](D&) {}, [] { return ui::MsgBox("?", Buttons::YesNoCancel) == Answer::Cancel; }, "unexpected message box"},
      {[](D&) {}, [] { return ui::MsgBox("?", Buttons::YesNo) == Answer::No; }, "unexpected message box"},
      {[](D&) {}, [] { return ui::Dialogs().InputBox("?", "", "1").isEmpty(); }, "unexpected input box"},
      {[](D& d) { d.ExpectSave("/tmp/x.fld"); }, [] { return true; }, "never shown"},
  };
  for (const auto& c : cases) {
    bool answered = false;
    const std::string failures = FailuresOf([&] {
      ScriptedDialogs dialogs;
      c.expect(dialogs);
      answered = c.act();
    });
    EXPECT_NE(failures.find(c.failure), std::string::npos) << c.failure;
    EXPECT_TRUE(answered) << c.failure;
  }
}

}  // namespace
}  // namespace zelvane::testing
