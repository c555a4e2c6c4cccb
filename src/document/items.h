#pragma once
// The comma-separated items of the .fld and .lst files, written and read in memory.
// An item ends at a comma or a line end (CR LF, LF or CR), so records are not bound to
// lines. A text stands in double quotes (a doubled quote inside is one quote, and line
// ends inside belong to the text) or bare, when blanks around it are dropped. A number
// is an optional sign and decimal digits; blanks around it are allowed, anything else
// (an empty item, a fraction) is refused.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/outcome.h"

namespace zelvane {

// A text in double quotes, a quote inside doubled.
void AppendQuotedText(std::string& out, std::string_view text);
// A bare decimal integer, "-" before a negative one.
void AppendNumber(std::string& out, std::int64_t number);

class ItemReader {
 public:
  explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  // Whether the last item read ended at a line end or the end of the bytes.
  bool EndedLine() const { return ended_line_; }

  Outcome ReadText(std::string& text);
  Outcome ReadNumber(std::int64_t min, std::int64_t max, std::int64_t& number);
  // The rest of the current line, taken whole.
  Outcome ReadLine(std::string& line);

 private:
  void SkipBlanks();
  // Consumes what ends an item: a comma, a line end, or nothing at the end.
  Outcome EndItem();
  // A bare item: up to the next comma or line end, blanks around it dropped.
  std::string_view BareItem();

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ended_line_ = false;
};

}  // namespace zelvane
