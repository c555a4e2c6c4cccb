#include <cstdint>

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "document/document.h"
#include "document/field_table.h"
#include "document/list_store.h"
#include "platform/number_text.h"
#include "ui/help/help_window.h"
#include "ui/list_editor/frm_edit_list.h"
#include "ui/main_window/frm_zelvane.h"
#include "ui/platform/core_text.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {

namespace {

constexpr const char* kFieldLimitMessage = "No more fields can be added to this file";
constexpr const char* kDeleteListWarning = "You will be deleting a list.\rDo you wish to continue?";
constexpr const char* kDeleteListTitle = "Warning";
constexpr const char* kFindPrompt = "Enter the name of the Field you wish to find:";
constexpr const char* kFindTitle = "Find Field";

}  // namespace

void frmZelvane::cmdNew_Click() {
  StoreField(document_.CurrentRecord);
  if (document_.FieldCount >= kMaxFields) {
    MsgBox(QString::fromLatin1(kFieldLimitMessage), Buttons::Ok, Icon::None);
    return;
  }
  // The new field always goes after the last one, wherever the shown field stands.
  ++document_.FieldCount;
  document_.CurrentRecord = document_.FieldCount;
  ClearField(document_, document_.CurrentRecord);
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdSave_Click() {
  StoreField(document_.CurrentRecord);
  SaveFields();
}

void frmZelvane::cmdDelete_Click() {
  StoreField(document_.CurrentRecord);
  if (document_.FieldCount <= 1) return;
  if (ListTypeShown()) {
    const Answer answer = MsgBox(QString::fromLatin1(kDeleteListWarning), Buttons::YesNo, Icon::Exclamation,
                                 QString::fromLatin1(kDeleteListTitle), 1);
    if (answer != Answer::Yes) return;
  }

  --document_.FieldCount;
  // The entries go whatever the type box says now: a field once of the list type may
  // still own some, and they must not pass to the field that moves into its place.
  DeleteListItems(document_, document_.CurrentRecord);
  const std::int16_t last = document_.FieldCount;
  for (std::int16_t i = document_.CurrentRecord; i <= last; ++i) {
    RenumberListField(document_, static_cast<std::int16_t>(i + 1), i);
    CopyField(document_, i, 1);
  }
  if (document_.CurrentRecord > document_.FieldCount) --document_.CurrentRecord;
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdFind_Click() {
  StoreField(document_.CurrentRecord);
  // Cancel answers the empty text, which finds the first field that has a name.
  const QString wanted =
      Dialogs().InputBox(QString::fromLatin1(kFindPrompt), QString::fromLatin1(kFindTitle), QString());
  const int count = FieldsInUse(document_);
  for (int i = 1; i <= count; ++i) {
    const QString name = FromCore(document_.Fields[i].FieldName);
    if (!name.isEmpty() && name.contains(wanted, Qt::CaseInsensitive)) {
      document_.CurrentRecord = static_cast<std::int16_t>(i);
      break;
    }
  }
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdMoveUp_Click() {
  StoreField(document_.CurrentRecord);
  const std::int16_t shown = document_.CurrentRecord;
  if (shown > 1 && shown <= kMaxFields) {
    const auto above = static_cast<std::int16_t>(shown - 1);
    SwapFields(document_, shown, above);
    SwapListFields(document_, shown, above);
    document_.CurrentRecord = above;
  }
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdMoveDown_Click() {
  StoreField(document_.CurrentRecord);
  const std::int16_t shown = document_.CurrentRecord;
  if (shown >= 1 && shown < FieldsInUse(document_)) {
    const auto below = static_cast<std::int16_t>(shown + 1);
    SwapFields(document_, shown, below);
    SwapListFields(document_, shown, below);
    document_.CurrentRecord = below;
  }
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdFirst_Click() {
  StoreField(document_.CurrentRecord);
  document_.CurrentRecord = 1;
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdPrevious_Click() {
  StoreField(document_.CurrentRecord);
  if (document_.CurrentRecord > 1) --document_.CurrentRecord;
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdNext_Click() {
  StoreField(document_.CurrentRecord);
  if (document_.CurrentRecord < document_.FieldCount) ++document_.CurrentRecord;
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdLast_Click() {
  StoreField(document_.CurrentRecord);
  if (document_.FieldCount > 0) document_.CurrentRecord = document_.FieldCount;
  ShowField(document_.CurrentRecord);
}

void frmZelvane::cmdEditList_Click() {
  StoreField(document_.CurrentRecord);
  // The list editor opens whatever the save did: saved, cancelled or failed.
  SaveFields();
  ShowEditListModal(document_);
  // The editor has no owner, so the window system need not hand the activation back.
  if (isVisible()) activateWindow();
}

void frmZelvane::cmdHelp_Click() {
  document_.HelpTopic = ToCore(cboDataType->currentText());
  StoreField(document_.CurrentRecord);
  ShowHelpWindow(document_, HelpMode::Modeless);
}

void frmZelvane::txtCurrentRecord_LostFocus() {
  StoreField(document_.CurrentRecord);
  const double typed = LeadingNumber(ToCore(txtCurrentRecord->text()));
  if (typed > 0 && typed <= document_.FieldCount) {
    const double nearest = RoundHalfEven(typed);
    if (nearest >= 1) document_.CurrentRecord = static_cast<std::int16_t>(nearest);
  }
  // Also when nothing moved, so the box shows the current number again.
  ShowField(document_.CurrentRecord);
}

}  // namespace zelvane::ui
