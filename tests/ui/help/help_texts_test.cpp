#include "ui/help/help_texts.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace zelvane::ui {
namespace {

using namespace std::literals;

TEST(HelpTexts, ExactKeyChoosesTheTopicAnythingElseTheProgramHelp) {
  const QString program_help = HelpText("Program Help");
  for (const char* type : {"Counting Numbers", "Random Text", "Random Integer", "Random Double", "Random Currency",
                           "Random Date", "Random Time", "From File", "Street", "Phone", "Email", "WebURL"}) {
    EXPECT_EQ(HelpTitle(type), QString(type) + " Data Type");
    EXPECT_NE(HelpText(type), program_help) << type;
  }
  EXPECT_EQ(HelpTitle("Edit List"), "Edit List Component");
  // "Phone\0" would pass for Phone in a comparison of C strings.
  for (std::string_view other :
       {""sv, "random text"sv, " Random Text"sv, "Random Text "sv, "Edit list"sv, "Phone\0"sv}) {
    EXPECT_EQ(HelpTitle(other), "Zelvane Utility") << std::string(other);
    EXPECT_EQ(HelpText(other), program_help) << std::string(other);
  }
}

}  // namespace
}  // namespace zelvane::ui
