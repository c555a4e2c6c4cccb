#pragma once
// Small documents and scripted engines for the tests of the generation run.

#include <cstdint>
#include <utility>
#include <vector>

#include "document/document.h"
#include "generator/engine.h"

namespace zelvane::testing {

struct TestField {
  const char* name;
  const char* type;
  std::int32_t size = 0;
  const char* start = "";
  std::int16_t links_to = 0;
};

using TestList = std::vector<std::pair<std::int16_t, const char*>>;

inline Document MakeDocument(const std::vector<TestField>& fields, std::int32_t items, const TestList& list = {}) {
  Document document;
  document.FieldCount = static_cast<std::int16_t>(fields.size());
  document.NoOfItems = items;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    FieldDef& field = document.Fields[static_cast<int>(i) + 1];
    field.FieldName = fields[i].name;
    field.Type = fields[i].type;
    field.Size = fields[i].size;
    field.StartString = fields[i].start;
    field.LinksTo = fields[i].links_to;
  }
  for (const auto& [field_no, item] : list) document.ListEntries[++document.ListEntryCount] = {field_no, item};
  return document;
}

// Draws only the given values; a draw beyond them throws.
inline Engine MakeEngine(std::vector<float> script) {
  return Engine{.Random = RandomSource::Scripted(std::move(script)), .Conventions = LocaleConventions::Fallback()};
}

}  // namespace zelvane::testing
