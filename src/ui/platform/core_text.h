#pragma once
// Texts of the core (names, paths, list items) are bytes in the system's local 8-bit
// encoding; the windows convert at this edge and nowhere else.

#include <string>

#include <QString>

namespace zelvane::ui {

inline std::string ToCore(const QString& text) { return text.toLocal8Bit().toStdString(); }

inline QString FromCore(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zelvane::ui
