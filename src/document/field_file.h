#pragma once
// The .fld field-definition file: line 1 the number of data lines, line 2 the header
// line, then one record per field (FieldName, Type, Size, StartString, LinksTo).

#include <string>
#include <string_view>

#include "document/document.h"
#include "platform/outcome.h"

namespace zelvane {

// Reads the file at path into the document. On success the fields, NoOfItems,
// HeaderLine, FieldCount, CurrentRecord (1) and CurrentFile (path) are replaced; on
// failure the document is exactly as it was. The list file is not read here.
Outcome ReadFieldFile(Document& document, const std::string& path);

// Writes the document's fields to path without ever destroying what was there: on
// failure the former file is left as it was. The list file is not written here.
Outcome WriteFieldFile(const Document& document, const std::string& path);

// The bytes of the .fld file for the document: CR LF line ends, texts in quotes (a
// quote inside doubled), bare numbers.
std::string FormatFieldFile(const Document& document);

// Reads .fld bytes into the document as ReadFieldFile does, but leaves CurrentFile.
Outcome ParseFieldFile(Document& document, std::string_view bytes);

}  // namespace zelvane
