#pragma once
// The main window: the field editor (one field of the document at a time), the buttons
// that add, delete, find, move and navigate fields, and the File, Generate and Help
// menus. Its procedures only move values between the controls and the document or
// the engine; the rules themselves live in the core.

#include <cstdint>

#include <QMainWindow>

#include "document/document.h"
#include "generator/engine.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zelvane::ui {

// The type whose fields take their values from an edited list.
inline constexpr const char* kFromFile = "From File";

class frmZelvane : public QMainWindow {
  Q_OBJECT

 public:
  frmZelvane(Document& document, Engine& engine, QWidget* parent = nullptr);

  // Field editor (frm_zelvane.cpp).
  void ShowField(std::int16_t i);
  void StoreField(std::int16_t i);
  void cboDataType_Click();

  // Field commands (frm_zelvane_commands.cpp).
  void cmdNew_Click();
  void cmdSave_Click();
  void cmdDelete_Click();
  void cmdFind_Click();
  void cmdMoveUp_Click();
  void cmdMoveDown_Click();
  void cmdFirst_Click();
  void cmdPrevious_Click();
  void cmdNext_Click();
  void cmdLast_Click();
  void cmdEditList_Click();
  void cmdHelp_Click();
  void txtCurrentRecord_LostFocus();

  // Window lifecycle, file commands and menus (frm_zelvane_menus.cpp).
  void Form_Unload(std::int16_t& cancel);
  void cmdExit_Click();
  void mnuNew_Click();
  void mnuOpen_Click();
  void mnuSave_Click();
  void mnuSaveAs_Click();
  void mnuExit_Click();
  void mnuNoOfItems_Click();
  void mnuGenerateDataFile_Click();
  void mnuContents_Click();
  void mnuAbout_Click();
  std::int32_t AskNumberOfItems(std::int32_t current);
  void LoadFields();
  void SaveFields();

  // Controls, named as the user-facing layout names them.
  QLabel* lblInstructions = nullptr;
  QFrame* Shape1 = nullptr;
  QLabel* lblName = nullptr;
  QLineEdit* txtFieldName = nullptr;
  QLabel* lblPhone = nullptr;
  QComboBox* cboDataType = nullptr;
  QPushButton* cmdHelp = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txtSize = nullptr;
  QFrame* Shape2 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* txtStartString = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* txtLinksTo = nullptr;
  QPushButton* cmdNew = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdDelete = nullptr;
  QPushButton* cmdFind = nullptr;
  QPushButton* cmdMoveUp = nullptr;
  QPushButton* cmdMoveDown = nullptr;
  QPushButton* cmdEditList = nullptr;
  QPushButton* cmdExit = nullptr;
  QPushButton* cmdFirst = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;
  QPushButton* cmdLast = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* txtCurrentRecord = nullptr;
  QLabel* lblNumRecords = nullptr;
  QLabel* lblFile = nullptr;
  QLineEdit* txtFile = nullptr;

  QMenu* mnuFile = nullptr;
  QAction* mnuNew = nullptr;
  QAction* mnuOpen = nullptr;
  QAction* mnuSeparator1 = nullptr;
  QAction* mnuSave = nullptr;
  QAction* mnuSaveAs = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuGenerate = nullptr;
  QAction* mnuNoOfItems = nullptr;
  QAction* mnuGenerateDataFile = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuContents = nullptr;
  QAction* mnuAbout = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;  // runs Form_Unload
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void BuildControls();  // frm_zelvane.cpp
  void BuildMenus();     // frm_zelvane_menus.cpp
  void ConnectControls();
  void PlaceWindow();
  bool ListTypeShown() const;  // the type box shows the list type

  Document& document_;
  Engine& engine_;
  // Set while the type box handles the end of typing (Enter, leaving it): Qt then
  // reports an entry of the list as chosen when the typed text matches one, but only a
  // choice from the list counts.
  bool typing_ends_ = false;
};

}  // namespace zelvane::ui
