#pragma once
// Readable Qt values in GoogleTest's failure messages.

#include <ostream>

#include <QString>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
