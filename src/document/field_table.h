#pragma once
// Small operations on the field table and the list store used by the main window's
// commands. Numbers outside the tables change nothing.

#include <cstdint>

#include "document/document.h"

namespace zelvane {

// Blanks the five saved members of field i.
void ClearField(Document& document, std::int16_t i);
// Copies the five saved members of field i + offset into field i.
void CopyField(Document& document, std::int16_t i, std::int16_t offset);
// Exchanges the two whole records, the engine's members included. Both in 1..50.
void SwapFields(Document& document, std::int16_t a, std::int16_t b);
// Blanks list entry k.
void ClearListItem(Document& document, std::int16_t k);

}  // namespace zelvane
