#pragma once
// Keeping list entries attached to their fields when fields are deleted or moved, and
// replacing one field's list. Each of them that changes an entry changes the lists, so
// that the next save writes the list file even when it was not read whole.

#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"

namespace zelvane {

// Removes every entry in use of field n, keeping the order of the others.
void DeleteListItems(Document& document, std::int16_t n);
// Entries of field a pass to b and those of b to a; each entry changes at most once.
void SwapListFields(Document& document, std::int16_t a, std::int16_t b);
// Entries of field a pass to b; the two lists merge in store order.
void RenumberListField(Document& document, std::int16_t a, std::int16_t b);
// Replaces the entries of field n by items, appended after the other fields' entries.
// Returns how many items the store lacks room for; when above 0 nothing is changed.
int ReplaceListItems(Document& document, std::int16_t n, const std::vector<std::string>& items);

}  // namespace zelvane
