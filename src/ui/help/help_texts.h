#pragma once
// The built-in help: fourteen topics, one per data type, one for the list editor and the
// program help for any other key. The texts are constants of the program; lines end in
// CR LF.

#include <string_view>

#include <QString>

namespace zelvane::ui {

inline constexpr const char* kUtilityName = "Zelvane Utility";
inline constexpr const char* kEditListHelpTopic = "Edit List";

// The topic is found by exact, case-sensitive comparison with the data-type names and
// "Edit List"; anything else (the empty text included) gives the program help.
QString HelpTitle(std::string_view topic);
QString HelpText(std::string_view topic);

}  // namespace zelvane::ui
