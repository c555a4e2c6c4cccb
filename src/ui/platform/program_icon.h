#pragma once
// The program's icon, drawn by the program itself; every window shows it.

#include <QIcon>

namespace zelvane::ui {

QIcon ProgramIcon();

}  // namespace zelvane::ui
