#pragma once
// The list editor: a modal window that edits the value list of one field, the field whose
// number is CurrentRecord. It works on a copy in its list box and writes the list back
// into the list store only when closed with changes and the user answers Yes.

#include <QPixmap>
#include <QWidget>

#include "document/document.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zelvane::ui {

inline constexpr const char* kEditListCaption = "Edit List";
inline constexpr const char* kSaveListDataPrompt = "Do you want to save the list data?";
inline constexpr const char* kSaveListDataTitle = "Exit";
// %1: the store's capacity; %2: "1 item" or "N items".
inline constexpr const char* kListStoreFullMessage =
    "The lists can hold no more than %1 entries in all. Remove %2 from this list before saving it.";

class frmEditList : public QWidget {
  Q_OBJECT

 public:
  explicit frmEditList(Document& document);

  void Form_Activate();
  void LoadListItems();
  void cmdAddItem_Click();
  void cmdDelete_Click();
  void cmdMoveUp_Click();
  void cmdMoveDown_Click();
  void lstList_Click();
  void cmdHelp_Click();
  void cmdClose_Click();
  // Replaces the field's entries in the store with the list box's items. Refuses, with a
  // message and the store untouched, when the store would hold more than it can.
  bool StoreListItems();

  bool ListChanged = false;

  QListWidget* lstList = nullptr;
  QFrame* Shape1 = nullptr;
  QLabel* lblItem = nullptr;
  QLineEdit* txtItem = nullptr;
  QPushButton* cmdAddItem = nullptr;
  QPushButton* cmdDelete = nullptr;
  QPushButton* cmdMoveUp = nullptr;
  QPushButton* cmdMoveDown = nullptr;
  QPushButton* cmdHelp = nullptr;
  QPushButton* cmdClose = nullptr;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ApplyButtonRule();
  int SelectedIndex() const;
  void SelectItem(int index);

  Document& document_;
  QPixmap backdrop_;
  // Set when the window loses activation to another program or to a message box, so
  // that coming back from there does not count as an activation.
  bool away_from_own_windows_ = false;
};

// Shows the list editor modally, centred on the screen, and returns when it has closed.
void ShowEditListModal(Document& document);

}  // namespace zelvane::ui
