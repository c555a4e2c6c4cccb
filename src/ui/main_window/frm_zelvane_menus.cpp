#include <cstdint>
#include <limits>
#include <string>

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "document/document.h"
#include "document/field_file.h"
#include "document/list_file.h"
#include "generator/engine.h"
#include "platform/number_text.h"
#include "platform/outcome.h"
#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window/frm_zelvane.h"
#include "ui/main_window/window_shortcuts.h"
#include "ui/platform/core_text.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"

namespace zelvane::ui {

namespace {

constexpr const char* kCaptionPrefix = "Zelvane - ";
constexpr const char* kSavePrompt = "Do you want to save this current file?";
constexpr const char* kSavePromptTitle = "Exit";
constexpr const char* kItemsPrompt = "How many Data Items do you require?";
constexpr const char* kItemsTitle = "Number of Data Items";
constexpr const char* kGeneratedMessage = "The data file has been generated";
constexpr const char* kGeneratedTitle = "Task Completed";
constexpr const char* kProgramHelpTopic = "Program Help";

void ShowFailure(const char* procedure, const Outcome& outcome) {
  MsgBox(QString::fromLatin1(procedure) + QStringLiteral(" - ") + FromCore(outcome.description));
}

// The file box and the caption name the file just read or written.
void ShowDocumentFile(frmZelvane& window, const std::string& path) {
  const QString full = FromCore(path);
  window.txtFile->setText(full);
  // "[*]" in a title is Qt's modified marker; doubled, it shows as written.
  QString title = FileTitle(full);
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  window.setWindowTitle(QString::fromLatin1(kCaptionPrefix) + title);
}

// The save step of closing and of File > New; false when the user cancels.
bool SaveBeforeLeaving(frmZelvane& window, const Document& document) {
  const bool has_content = !window.txtFieldName->text().isEmpty() || document.FieldCount > 1;
  if (!has_content) return true;
  if (!document.CurrentFile.empty()) {
    window.SaveFields();
    return true;
  }
  switch (MsgBox(QString::fromLatin1(kSavePrompt), Buttons::YesNoCancel, Icon::Question,
                 QString::fromLatin1(kSavePromptTitle), 1)) {
    case Answer::Yes:
      window.SaveFields();
      return true;
    case Answer::No:
      return true;
    case Answer::Cancel:
    case Answer::Ok:
      break;
  }
  return false;
}

}  // namespace

void frmZelvane::BuildMenus() {
  auto add_item = [this](QMenu* menu, QAction*& item, const char* name, const char* caption,
                         const QKeySequence& shortcut, void (frmZelvane::*procedure)()) {
    item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, procedure);
    // Also the window's own action, so that its shortcut is found from every control.
    addAction(item);
  };

  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  add_item(mnuFile, mnuNew, "mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), &frmZelvane::mnuNew_Click);
  add_item(mnuFile, mnuOpen, "mnuOpen", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), &frmZelvane::mnuOpen_Click);
  mnuSeparator1 = mnuFile->addSeparator();
  mnuSeparator1->setObjectName(QStringLiteral("mnuSeparator1"));
  add_item(mnuFile, mnuSave, "mnuSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), &frmZelvane::mnuSave_Click);
  add_item(mnuFile, mnuSaveAs, "mnuSaveAs", "S&ave As", QKeySequence(Qt::CTRL | Qt::Key_A),
           &frmZelvane::mnuSaveAs_Click);
  add_item(mnuFile, mnuExit, "mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X), &frmZelvane::mnuExit_Click);

  mnuGenerate = menuBar()->addMenu(QStringLiteral("&Generate"));
  mnuGenerate->setObjectName(QStringLiteral("mnuGenerate"));
  add_item(mnuGenerate, mnuNoOfItems, "mnuNoOfItems", "&Number Of Data Items", QKeySequence(Qt::CTRL | Qt::Key_I),
           &frmZelvane::mnuNoOfItems_Click);
  add_item(mnuGenerate, mnuGenerateDataFile, "mnuGenerateDataFile", "&Generate Data File",
           QKeySequence(Qt::CTRL | Qt::Key_G), &frmZelvane::mnuGenerateDataFile_Click);

  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  add_item(mnuHelp, mnuContents, "mnuContents", "&Program Help", QKeySequence(Qt::CTRL | Qt::Key_H),
           &frmZelvane::mnuContents_Click);
  add_item(mnuHelp, mnuAbout, "mnuAbout", "&About", QKeySequence(), &frmZelvane::mnuAbout_Click);

  new WindowShortcutFilter(this);
}

void frmZelvane::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  Form_Unload(cancel);
  if (cancel != 0) {
    event->ignore();
  } else {
    event->accept();
  }
}

void frmZelvane::Form_Unload(std::int16_t& cancel) {
  StoreField(document_.CurrentRecord);
  if (!SaveBeforeLeaving(*this, document_)) cancel = 1;
}

void frmZelvane::cmdExit_Click() { close(); }

void frmZelvane::mnuNew_Click() {
  StoreField(document_.CurrentRecord);
  if (!SaveBeforeLeaving(*this, document_)) return;
  ResetFieldFile(document_);
  ShowField(document_.CurrentRecord);
  txtFile->clear();
}

void frmZelvane::mnuOpen_Click() { LoadFields(); }

void frmZelvane::mnuSave_Click() { SaveFields(); }

void frmZelvane::mnuSaveAs_Click() {
  document_.CurrentFile.clear();
  SaveFields();
}

void frmZelvane::mnuExit_Click() { close(); }

void frmZelvane::mnuNoOfItems_Click() { document_.NoOfItems = AskNumberOfItems(document_.NoOfItems); }

void frmZelvane::mnuGenerateDataFile_Click() {
  StoreField(document_.CurrentRecord);
  document_.NoOfItems = AskNumberOfItems(document_.NoOfItems);
  SaveFields();
  // The hourglass stays until the box that ends the run is closed.
  WaitCursor wait;
  const Outcome run = GenerateDataFile(document_, engine_);
  if (run) {
    MsgBox(QString::fromLatin1(kGeneratedMessage), Buttons::Ok, Icon::Information,
           QString::fromLatin1(kGeneratedTitle));
  } else {
    ShowFailure("GenerateDataFile", run);
  }
}

void frmZelvane::mnuContents_Click() {
  document_.HelpTopic = kProgramHelpTopic;
  StoreField(document_.CurrentRecord);
  ShowHelpWindow(document_, HelpMode::Modeless);
}

void frmZelvane::mnuAbout_Click() { ShowAboutWindow(); }

std::int32_t frmZelvane::AskNumberOfItems(std::int32_t current) {
  const QString answer = Dialogs().InputBox(QString::fromLatin1(kItemsPrompt), QString::fromLatin1(kItemsTitle),
                                            QString::number(current));
  const double number = LeadingNumber(ToCore(answer));
  if (number == 0) return current;
  const double whole = RoundHalfEven(number);
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (!(whole >= kLowest && whole <= kHighest)) return 0;
  return static_cast<std::int32_t>(whole);
}

void frmZelvane::LoadFields() {
  const std::optional<QString> chosen = Dialogs().OpenFileName(QString::fromLatin1(kFldFilter));
  if (!chosen || chosen->isEmpty()) return;

  // A failed read leaves the document as it was, so the closing below can only ever
  // save that former document to its own file.
  const std::string path = ToCore(*chosen);
  const Outcome read = ReadFieldFile(document_, path);
  if (!read) {
    ShowFailure("LoadFields", read);
    close();
    return;
  }
  ShowDocumentFile(*this, path);
  ShowField(document_.CurrentRecord);
  const Outcome lists = LoadLists(document_);
  if (!lists) ShowFailure("LoadLists", lists);
}

void frmZelvane::SaveFields() {
  if (document_.CurrentFile.empty()) {
    const std::optional<QString> chosen = Dialogs().SaveFileName(QString::fromLatin1(kFldFilter));
    if (!chosen || chosen->isEmpty()) {
      document_.CurrentFile = ToCore(txtFile->text());
      return;
    }
    document_.CurrentFile = ToCore(*chosen);
  }

  const std::string path = document_.CurrentFile;
  const Outcome written = WriteFieldFile(document_, path);
  if (!written) {
    ShowFailure("SaveFields", written);
    return;
  }
  ShowDocumentFile(*this, path);
  const Outcome lists = SaveLists(document_);
  if (!lists) ShowFailure("SaveLists", lists);
}

}  // namespace zelvane::ui
