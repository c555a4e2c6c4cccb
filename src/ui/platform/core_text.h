#pragma once
// Texts of the core (names, paths, list items) are bytes in the encoding of the user's
// locale (the codeset of the character-type locale); the windows convert at this edge
// and nowhere else. The conversion is reversible for every byte string: a byte that is
// not valid in that encoding becomes the lone surrogate U+DC00 + byte, which a box shows
// as a replacement mark and which converts back to the same byte. A text the user did
// not edit therefore reaches the file exactly as it was read; one typed is encoded in
// the locale's encoding, a character it cannot hold as "?". The C locale counts as
// UTF-8, its superset.

#include <limits>
#include <string>

#include <QString>

namespace zelvane::ui {

std::string ToCore(const QString& text);
QString FromCore(const std::string& text);

// The length limit of every text box: none, where QLineEdit stops at 32,767 by default.
inline constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

}  // namespace zelvane::ui
