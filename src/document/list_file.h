#pragma once
// The .lst list file beside the .fld file: one line per list entry, FieldNo and Item.

#include <string>
#include <string_view>

#include "document/document.h"
#include "platform/outcome.h"

namespace zelvane {

// Only a document whose name ends in ".fld" (any letter case) has companion files: a
// list file and a data file. Any name made for another document could be, or could
// become, the companion of a ".fld" file beside it ("orders" + ".lst" is the list file
// of "orders.fld").
bool HasCompanionFiles(const std::string& fld_path);

// The companion file's name: ".fld" at the end of the path replaced by the extension
// given (".lst", ".txt"); empty for a path without companion files.
std::string CompanionFileName(const std::string& fld_path, const std::string& extension);

// Empties the store, forms ListFile from CurrentFile and reads it. A missing list file,
// or a document without companion files, leaves the store empty and is a success. A
// list file that exists but is not read whole (unreadable, not a plain file, damaged
// part-way) keeps the entries read before the failure, becomes the UnreadListFile and
// is reported with how many entries were read.
Outcome LoadLists(Document& document);

// Forms ListFile from CurrentFile and writes the entries in use, never destroying the
// former file on failure. The UnreadListFile is left as it is. A document without
// companion files writes nothing and fails only when it holds list entries.
Outcome SaveLists(Document& document);

// The bytes of the .lst file for the entries in use: one line per entry, CR LF ends.
std::string FormatListFile(const Document& document);

// Empties the store and fills it from .lst bytes. On damage the entries before it stay,
// with ListEntryCount counting them, and the damage is reported.
Outcome ParseListFile(Document& document, std::string_view bytes);

}  // namespace zelvane
