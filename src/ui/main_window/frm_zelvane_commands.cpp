#include "ui/main_window/frm_zelvane.h"

namespace zelvane::ui {

void frmZelvane::cmdNew_Click() {}
void frmZelvane::cmdSave_Click() {}
void frmZelvane::cmdDelete_Click() {}
void frmZelvane::cmdFind_Click() {}
void frmZelvane::cmdMoveUp_Click() {}
void frmZelvane::cmdMoveDown_Click() {}
void frmZelvane::cmdFirst_Click() {}
void frmZelvane::cmdPrevious_Click() {}
void frmZelvane::cmdNext_Click() {}
void frmZelvane::cmdLast_Click() {}
void frmZelvane::cmdEditList_Click() {}
void frmZelvane::cmdHelp_Click() {}
void frmZelvane::txtCurrentRecord_LostFocus() {}

}  // namespace zelvane::ui
