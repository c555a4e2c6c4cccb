#pragma once
// The .lst list file beside the .fld file: one line per list entry, FieldNo and Item.

#include <string>
#include <string_view>

#include "document/document.h"
#include "platform/outcome.h"

namespace zelvane {

// The companion file's name: ".fld" (any letter case) at the end of the path replaced
// by the extension given (".lst", ".txt"); any other path gets the extension appended.
std::string CompanionFileName(const std::string& fld_path, const std::string& extension);

// Empties the store, forms ListFile from CurrentFile and reads it. A missing or
// unreadable file leaves the store empty and is a success. A file damaged part-way
// keeps the entries read before the damage and reports it.
Outcome LoadLists(Document& document);

// Forms ListFile from CurrentFile and writes the entries in use, never destroying the
// former file on failure.
Outcome SaveLists(Document& document);

// The bytes of the .lst file for the entries in use: one line per entry, CR LF ends.
std::string FormatListFile(const Document& document);

// Empties the store and fills it from .lst bytes. On damage the entries before it stay,
// with ListEntryCount counting them, and the damage is reported.
Outcome ParseListFile(Document& document, std::string_view bytes);

}  // namespace zelvane
