#include "ui/help/help_texts.h"

#include <vector>

namespace zelvane::ui {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kLinksToHeading = "LINKS TO:";

constexpr const char* kSizeBeforeSuffix =
    "SIZE gives the size of the random text that is placed in front of the START STRING.";

struct Topic {
  const char* key;  // nullptr: the program help, for any other key
  const char* title;
  std::vector<const char*> paragraphs;
  std::size_t links_to_before = 0;  // 1-based paragraph under the "LINKS TO:" heading; 0: none
  bool ends_with_empty_line = false;
};

const std::vector<Topic>& Topics() {
  static const std::vector<Topic> topics = {
      {"Counting Numbers",
       "Counting Numbers Data Type",
       {"This type fills the field with the next counting number on every new line of data "
        "(1, 2, 3, 4 ...).",
        "Nothing else has to be entered on the screen for this type; a Size of 0 is fine."},
       0,
       true},
      {"Random Text",
       "Random Text Data Type",
       {"Use this type for fields that normally hold ordinary text, with a fixed prefix (the "
        "start string) in front of it if you wish. Example fields: surname, product name.",
        "A SIZE must be entered: it is the maximum length of the random text, which follows "
        "any start string.",
        "Whatever prefix is typed into START STRING is placed in front of every value; "
        "without a prefix, the random text begins with at least one capital letter."}},
      {"Random Integer",
       "Random Integer Data Type",
       {"Use this type for fields that need whole numbers without decimals that do not follow "
        "a sequence. Example fields: stock on hand, quantity.",
        "SIZE sets the largest integer: for numbers up to and including 1000, enter 1000."}},
      {"Random Double",
       "Random Double Data Type",
       {"Use this type for fields that need random numbers with a decimal part. Example "
        "fields: quantity, measurement.",
        "SIZE sets the largest value (for example, enter 100 for numbers up to and including "
        "100); each number has up to two random decimal places."}},
      {"Random Currency",
       "Random Currency Data Type",
       {"Use this type for fields that hold amounts of money; a currency symbol can go into "
        "the Start String. Example fields: price, payment.",
        "SIZE sets the largest amount, and every amount has two random digits after the "
        "decimal point. A currency prefix can be typed into START STRING, for example US$ or "
        "simply $."}},
      {"Random Date",
       "Random Date Data Type",
       {"Use this type for fields that hold a date. The day of the month is chosen at random "
        "from 1 to 28 inclusive. Example fields: date ordered, shipping date.",
        "SIZE gives the NUMBER OF YEARS that the dates span.",
        "START STRING must hold a starting year (for example 1990 or 2002); together with the "
        "Size it sets the range of years.",
        "This entry ties the date field to an earlier date field of the file, for example a "
        "loan date and a return date that falls a few days after it.",
        "For example, when the loan date is field 3 and the return date is field 4, the "
        "return date's link entry is 3.",
        "The largest number of days between the two dates goes into the SIZE box."},
       4},
      {"Random Time",
       "Random Time Data Type",
       {"Use this type for fields that hold a time of day. Example fields: time ordered, "
        "appointment time.",
        "SIZE sets the interval between the random times, for example 15 for 15-minute "
        "intervals.",
        "START STRING must hold a start time, for example 8:00 or 15:00."}},
      {"From File",
       "From File Data Type",
       {"To restrict a field to a short list of choices, make a file of a few entries and "
        "attach it to the field with the \u2018From File\u2019 type. Example fields: the type "
        "of a music item with its three media values, local suburbs, post and zip codes, age "
        "groups.",
        "No SIZE entry is needed for this type.",
        "START STRING puts a fixed prefix in front of every entry of the list.",
        "Once \u2018From File\u2019 has been chosen on the main screen and you tab away from "
        "the field, the EDIT LIST button becomes available; clicking it, on the right of the "
        "main screen, opens the Edit List window.",
        "The random choice can be linked between two lists: enter the two lists under "
        "separate field names, and for the second list field type in the field number of the "
        "first.",
        "For example, with a list of suburbs entered first as field 5 and a list of post/zip "
        "codes as field 6, type 5 into the LINKS TO entry of the post/zip-code field.",
        "NOTE: a list that is linked to an earlier list must have at least as many entries as "
        "that list."},
       5},
      {"Street",
       "Street Data Type",
       {"This type builds a \u2018street\u2019 from a random integer, a random string and a "
        "street suffix.",
        "SIZE sets the length of the street name. The street number is a random integer up to "
        "200, and a street abbreviation (for example St, Rd or Cres) is added at the end at "
        "random."}},
      {"Phone",
       "Phone Data Type",
       {"This type generates random phone numbers.", "SIZE gives the length of the phone number.",
        "START STRING takes a prefix, for example an area code or a country code."}},
      {"Email",
       "Email Data Type",
       {"This type generates random e-mail addresses.", kSizeBeforeSuffix,
        "START STRING takes a suffix made of an at sign and a domain, or something similar, "
        "for example @yourprovider.com.**"}},
      {"WebURL",
       "WebURL Data Type",
       {"This type generates random Internet site addresses (URLs).", kSizeBeforeSuffix,
        "START STRING takes a domain ending as a suffix, or something similar, for example "
        ".com.**"}},
      {kEditListHelpTopic,
       "Edit List Component",
       {"The Edit List window edits small single-column lists that fill a field at random in "
        "the sample data, for example a list of local suburbs for a Suburb field, a list of "
        "post/zip codes or a list of item types.",
        "The Edit List window offers these operations:",
        ">  Type a new item into the Item box and click ADD ITEM to add it to the end of the "
        "list.",
        ">  Click an entry of the list to show it in the Item box, then click DELETE to remove "
        "it from the list.",
        ">  Select an item and click MOVE UP or MOVE DOWN to move it up or down the list."}},
      {nullptr,
       kUtilityName,
       {"This utility creates data files made of lines of comma-delimited sample data.",
        "It can help to keep a copy of the program file in the folder where the data files "
        "are to be generated.",
        "Start a new file by adding a first entry or with File-New; open an existing file with "
        "File-Open and the file dialog; save at any time with the Save Entries button or with "
        "the File-Save and File-Save As menu commands.",
        "New Entry adds an entry, Delete Entry deletes the current one, and Find Entry or the "
        "navigation buttons at the bottom of the window find one.",
        "Add the required 'fields' as individual entries, choose for each the 'Data Type' "
        "closest to the data required, and use the ? button for help on the chosen type."}},
  };
  return topics;
}

const Topic& FindTopic(std::string_view key) {
  const auto& topics = Topics();
  for (const Topic& topic : topics) {
    if (topic.key != nullptr && key == topic.key) return topic;
  }
  return topics.back();
}

}  // namespace

QString HelpTitle(std::string_view topic) { return QString::fromUtf8(FindTopic(topic).title); }

QString HelpText(std::string_view topic) {
  const Topic& found = FindTopic(topic);
  const QString line_end = QString::fromLatin1(kLineEnd);
  QString text;
  for (std::size_t i = 0; i < found.paragraphs.size(); ++i) {
    const std::size_t number = i + 1;
    if (number > 1) {
      if (number == found.links_to_before) {
        text += line_end.repeated(3) + QString::fromLatin1(kLinksToHeading) + line_end;
      } else {
        text += line_end.repeated(2);
      }
    }
    text += QString::fromUtf8(found.paragraphs[i]);
  }
  if (found.ends_with_empty_line) text += line_end.repeated(2);
  return text;
}

}  // namespace zelvane::ui
