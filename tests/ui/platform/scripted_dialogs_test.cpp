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
using ui::Dialogs;
using ui::Icon;
using ui::MsgBox;

TEST(ScriptedDialogs, AnswersInOrderAndFailsTheTestOnAMismatchWithTheHarmlessAnswer) {
  using D = ScriptedDialogs;
  const struct {
    std::function<void(D&)> expect;
    std::function<bool(D&)> act;  // true when the answer is the due one: scripted, or harmless
    const char* failure;          // empty: none
  } cases[] = {
      {[](D& d) { d.ExpectInput("N?", "1").Title("Zelvane").DefaultText("9"); d.ExpectSave("/a").Filter("f"); },
       [](D&) { return Dialogs().InputBox("N?", "", "9") == "1" && Dialogs().SaveFileName("f") == "/a"; }, ""},
      {[](D& d) { d.ExpectSave("/a"); d.ExpectOpenCancel(); },
       [](D& d) {
         return Dialogs().SaveFileName("") && !Dialogs().OpenFileName("") && d.Shown()[1].offered_path == "/a";
       },
       ""},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Then([] { ADD_FAILURE() << "then ran"; }); },
       [](D&) { return MsgBox("Q") == Answer::Ok; }, "then ran"},
      {[](D& d) { d.ExpectMessage("Yes?", Answer::Yes); }, [](D&) { return MsgBox("No?") == Answer::Yes; },
       "wrong text"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Title("Exit"); }, [](D&) { return MsgBox("Q") == Answer::Ok; },
       "wrong title"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Buttons(Buttons::YesNo); },
       [](D&) { return MsgBox("Q") == Answer::Ok; }, "wrong buttons"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Ok).Icon(Icon::Exclamation); },
       [](D&) { return MsgBox("Q", Buttons::Ok, Icon::Information) == Answer::Ok; }, "wrong icon"},
      {[](D& d) { d.ExpectMessage("Q", Answer::Yes).DefaultButton(2); },
       [](D&) { return MsgBox("Q", Buttons::YesNo) == Answer::Yes; }, "wrong default button"},
      {[](D& d) { d.ExpectInput("N?", "1").DefaultText("100"); },
       [](D&) { return Dialogs().InputBox("N?", "", "99") == "1"; }, "wrong default text"},
      {[](D& d) { d.ExpectOpenCancel(); }, [](D&) { return !Dialogs().SaveFileName(ui::kFldFilter); },
       "unexpected save dialog"},
      {[](D&) {}, [](D&) { return MsgBox("?", Buttons::YesNoCancel) == Answer::Cancel; }, "unexpected message box"},
      {[](D&) {}, [](D&) { return MsgBox("?", Buttons::YesNo) == Answer::No; }, "unexpected message box"},
      {[](D&) {}, [](D&) { return Dialogs().InputBox("?", "", "1").isEmpty(); }, "unexpected input box"},
      {[](D& d) { d.ExpectSave("/tmp/x.fld"); }, [](D&) { return true; }, "never shown"},
  };
  for (const auto& c : cases) {
    bool answered = false;
    ::testing::TestPartResultArray results;
    {
      ::testing::ScopedFakeTestPartResultReporter reporter(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
      ScriptedDialogs dialogs;
      c.expect(dialogs);
      answered = c.act(dialogs);
    }
    std::string failures;
    for (int i = 0; i < results.size(); ++i) failures += results.GetTestPartResult(i).message();
    EXPECT_TRUE(*c.failure ? failures.find(c.failure) != std::string::npos : failures.empty()) << failures;
    EXPECT_TRUE(answered) << c.failure;
  }
}

}  // namespace
}  // namespace zelvane::testing
