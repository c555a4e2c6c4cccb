#pragma once
// What the help and About windows share in their looks: the classic dialog
// font and the backdrop pictures drawn under their controls.

#include <QFont>
#include <QPixmap>

namespace zelvane::ui::look {

// MS Sans Serif 8.25 pt, or the nearest sans-serif face the system has.
QFont ClassicFont(bool bold = false);

QPixmap HelpBackdrop();   // 381 x 310, light, for dark text
QPixmap AboutBackdrop();  // 278 x 118, dark, for white text

}  // namespace zelvane::ui::look
