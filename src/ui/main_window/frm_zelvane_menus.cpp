#include "ui/main_window/frm_zelvane.h"

#include <QCloseEvent>

namespace zelvane::ui {

void frmZelvane::BuildMenus() {}
void frmZelvane::closeEvent(QCloseEvent* event) { event->accept(); }
void frmZelvane::Form_Unload(std::int16_t&) {}
void frmZelvane::cmdExit_Click() { close(); }
void frmZelvane::mnuNew_Click() {}
void frmZelvane::mnuOpen_Click() {}
void frmZelvane::mnuSave_Click() {}
void frmZelvane::mnuSaveAs_Click() {}
void frmZelvane::mnuExit_Click() {}
void frmZelvane::mnuNoOfItems_Click() {}
void frmZelvane::mnuGenerateDataFile_Click() {}
void frmZelvane::mnuContents_Click() {}
void frmZelvane::mnuAbout_Click() {}
std::int32_t frmZelvane::AskNumberOfItems(std::int32_t current) { return current; }
void frmZelvane::LoadFields() {}
void frmZelvane::SaveFields() {}

}  // namespace zelvane::ui
