#include "ui/help/help_texts.h"

#include <string>
#include <string_view>

#include <QRegularExpression>
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
  for (std::string_view other : {""sv, "random text"sv, " Random Text"sv, "Random Text "sv, "Edit list"sv, "Phone\0"sv}) {
    EXPECT_EQ(HelpTitle(other), "Zelvane Utility") << std::string(other);
    EXPECT_EQ(HelpText(other), program_help) << std::string(other);
  }
}

// Each paragraph is one line; "|" stands for CR LF, "P" for a paragraph, "#" for the
// "LINKS TO:" heading.
TEST(HelpTexts, ParagraphsAreSingleLinesJoinedByOneEmptyLine) {
  const struct {
    const char* topic;
    const char* shape;
  } cases[] = {
      {"Counting Numbers", "P||P||"}, {"Random Text", "P||P||P"}, {"Random Currency", "P||P"},
      {"Random Date", "P||P||P|||#|P||P||P"}, {"From File", "P||P||P||P|||#|P||P||P"}, {"Phone", "P||P||P"},
      {"Email", "P||P||P"}, {"Edit List", "P||P||P||P||P"}, {"Program Help", "P||P||P||P||P"},
  };
  for (const auto& c : cases) {
    QString text = HelpText(c.topic).replace("\r\n", "|").replace("|LINKS TO:|", "|#|");
    EXPECT_FALSE(text.contains('\r') || text.contains('\n')) << c.topic;
    EXPECT_EQ(text.replace(QRegularExpression("[^|#]+"), "P"), c.shape) << c.topic;
  }
}

}  // namespace
}  // namespace zelvane::ui
