#include "ui/help/help_texts.h"

#include <string>
#include <string_view>

#include <QStringList>
#include <gtest/gtest.h>

namespace zelvane::ui {
namespace {

using namespace std::literals;

const QString kEol = "\r\n";
const QString kLinksBlock = "\r\n\r\n\r\nLINKS TO:\r\n";

TEST(HelpTopicTest, ExactKeyChoosesTopicAnythingElseTheProgramHelp) {
  const QString program_help = HelpText("Program Help");
  for (const char* type : {"Counting Numbers", "Random Text", "Random Integer", "Random Double",
                           "Random Currency", "Random Date", "Random Time", "From File", "Street",
                           "Phone", "Email", "WebURL"}) {
    EXPECT_EQ(HelpTitle(type), QString(type) + " Data Type");
    EXPECT_NE(HelpText(type), program_help) << type;
  }
  EXPECT_EQ(HelpTitle("Edit List"), "Edit List Component");
  // "Phone\0" would pass for Phone in a comparison of C strings.
  for (std::string_view other : {"Program Help"sv, ""sv, "random text"sv, " Random Text"sv,
                                 "Random Text "sv, "Edit list"sv, "Phone\0"sv}) {
    SCOPED_TRACE("topic \"" + std::string(other) + "\"");
    EXPECT_EQ(HelpTitle(other), "Zelvane Utility");
    EXPECT_EQ(HelpText(other), program_help);
  }
}

struct ShapeCase {
  const char* topic;
  int paragraphs;
  int links_to_before;  // paragraph that stands under "LINKS TO:"; 0: none
  bool ends_with_empty_line;
};

// Paragraphs are single lines joined by one empty line; the two exceptions are the
// "LINKS TO:" block and the empty line that closes the Counting Numbers text.
TEST(HelpTextTest, ParagraphsAndSeparators) {
  const ShapeCase cases[] = {
      {"Counting Numbers", 2, 0, true}, {"Random Text", 3, 0, false},
      {"Random Integer", 2, 0, false},  {"Random Double", 2, 0, false},
      {"Random Currency", 2, 0, false}, {"Random Date", 6, 4, false},
      {"Random Time", 3, 0, false},     {"From File", 7, 5, false},
      {"Street", 2, 0, false},          {"Phone", 3, 0, false},
      {"Email", 3, 0, false},           {"WebURL", 3, 0, false},
      {"Edit List", 5, 0, false},       {"Program Help", 5, 0, false},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.topic);
    QString text = HelpText(c.topic);
    EXPECT_EQ(text.count('\r'), text.count(kEol)) << "a lone CR";
    EXPECT_EQ(text.count('\n'), text.count(kEol)) << "a lone LF";

    EXPECT_EQ(text.count(kLinksBlock), c.links_to_before > 0 ? 1 : 0);
    const qsizetype block = text.indexOf(kLinksBlock);
    if (block >= 0) {
      EXPECT_EQ(text.left(block).count(kEol + kEol) + 2, c.links_to_before);
      EXPECT_FALSE(text.at(block + kLinksBlock.size()).isSpace()) << "paragraph under the heading";
      text.replace(kLinksBlock, kEol + kEol);
    }
    if (c.ends_with_empty_line) {
      ASSERT_TRUE(text.endsWith("." + kEol + kEol));
      text.chop(4);
    }
    const QStringList paragraphs = text.split(kEol + kEol);
    EXPECT_EQ(paragraphs.size(), c.paragraphs);
    for (const QString& paragraph : paragraphs) {
      EXPECT_FALSE(paragraph.isEmpty());
      EXPECT_FALSE(paragraph.contains('\r') || paragraph.contains('\n')) << paragraph.toStdString();
      EXPECT_EQ(paragraph, paragraph.trimmed());
    }
  }
}

TEST(HelpTextTest, QuotesSharedParagraphAndListItems) {
  const auto paragraph = [](const char* topic, int number) {
    return HelpText(topic).replace(kLinksBlock, kEol + kEol).split(kEol + kEol).at(number - 1);
  };
  const QString from_file = QString::fromUtf8("\u2018From File\u2019");
  EXPECT_TRUE(paragraph("From File", 1).contains(from_file));
  EXPECT_TRUE(paragraph("From File", 4).contains(from_file));
  EXPECT_TRUE(paragraph("From File", 7).startsWith("NOTE:"));
  EXPECT_TRUE(paragraph("Street", 1).contains(QString::fromUtf8("\u2018street\u2019")));
  EXPECT_TRUE(paragraph("", 5).contains("'fields'"));
  EXPECT_TRUE(paragraph("", 5).contains("'Data Type'"));
  EXPECT_EQ(paragraph("Email", 2), paragraph("WebURL", 2));
  EXPECT_TRUE(paragraph("Edit List", 2).endsWith(':'));
  for (int item = 3; item <= 5; ++item) {
    EXPECT_TRUE(paragraph("Edit List", item).startsWith(">  ")) << item;
    EXPECT_NE(paragraph("Edit List", item).at(3), ' ');
  }
}

}  // namespace
}  // namespace zelvane::ui
