#include "ui/list_editor/frm_edit_list.h"

#include <string>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "document/list_store.h"
#include "ui/help/help_texts.h"
#include "ui/help/help_window.h"
#include "ui/platform/core_text.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/window_placement.h"

namespace zelvane::ui {

namespace {

const QColor kBackColour(192, 192, 255);

constexpr int kClientWidth = Px(5070);
constexpr int kClientHeight = Px(4485);

// The decorative picture under the controls, 336 x 298: it deepens towards the left so
// that it meets the back colour at the right edge, where the window is 2 pixels wider.
QPixmap Backdrop() {
  QPixmap pixmap(336, 298);
  {
    QPainter painter(&pixmap);
    QLinearGradient shade(0, 0, pixmap.width(), 0);
    shade.setColorAt(0.0, QColor(112, 112, 200));
    shade.setColorAt(1.0, kBackColour);
    painter.fillRect(pixmap.rect(), shade);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 6));
    for (int x = -pixmap.height(); x < pixmap.width(); x += 24) {
      painter.drawLine(x, pixmap.height(), x + pixmap.height(), 0);
    }
  }
  return pixmap;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  // Enter and Esc start no command in this window.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

frmEditList::frmEditList(Document& document)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), document_(document) {
  setObjectName(QStringLiteral("frmEditList"));
  setWindowTitle(QString::fromLatin1(kEditListCaption));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette look = palette();
  look.setColor(QPalette::Window, kBackColour);
  setPalette(look);
  setAutoFillBackground(true);
  backdrop_ = Backdrop();
  BuildControls();
}

void frmEditList::BuildControls() {
  // Created back to front: the frame lies under the label and the item box.
  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(Twips(2850, 240, 1935, 765));
  Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Shape1->setLineWidth(1);
  QPalette outline = Shape1->palette();
  outline.setColor(QPalette::WindowText, Qt::black);
  Shape1->setPalette(outline);

  lstList = new QListWidget(this);
  lstList->setObjectName(QStringLiteral("lstList"));
  lstList->setGeometry(Twips(270, 270, 2325, 3960));
  lstList->setSelectionMode(QAbstractItemView::SingleSelection);
  lstList->setSortingEnabled(false);

  lblItem = new QLabel(QStringLiteral("Item:"), this);
  lblItem->setObjectName(QStringLiteral("lblItem"));
  lblItem->setGeometry(Twips(2970, 330, 735, 255));
  lblItem->setFont(NearestFont(QStringLiteral("MS Sans Serif"), 8.25, true));
  QPalette white = lblItem->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  lblItem->setPalette(white);
  lblItem->setAutoFillBackground(false);

  txtItem = new QLineEdit(this);
  txtItem->setObjectName(QStringLiteral("txtItem"));
  txtItem->setGeometry(Twips(2910, 600, 1785, 315));
  txtItem->setMaxLength(kUnlimitedLength);

  cmdAddItem = MakeButton(this, "cmdAddItem", "&Add Item", Twips(2850, 1140, 1935, 465));
  cmdDelete = MakeButton(this, "cmdDelete", "&Delete Item", Twips(2850, 1620, 1935, 465));
  cmdMoveUp = MakeButton(this, "cmdMoveUp", "Move &Up", Twips(2850, 2220, 1935, 465));
  cmdMoveDown = MakeButton(this, "cmdMoveDown", "Move D&own", Twips(2850, 2700, 1935, 465));
  cmdHelp = MakeButton(this, "cmdHelp", "&Help", Twips(2850, 3300, 1935, 465));
  cmdClose = MakeButton(this, "cmdClose", "&Close", Twips(2850, 3780, 1935, 465));

  setTabOrder(lstList, txtItem);
  setTabOrder(txtItem, cmdAddItem);
  setTabOrder(cmdAddItem, cmdDelete);
  setTabOrder(cmdDelete, cmdMoveUp);
  setTabOrder(cmdMoveUp, cmdMoveDown);
  setTabOrder(cmdMoveDown, cmdHelp);
  setTabOrder(cmdHelp, cmdClose);
  lstList->setFocus(Qt::OtherFocusReason);

  connect(cmdAddItem, &QPushButton::clicked, this, &frmEditList::cmdAddItem_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &frmEditList::cmdDelete_Click);
  connect(cmdMoveUp, &QPushButton::clicked, this, &frmEditList::cmdMoveUp_Click);
  connect(cmdMoveDown, &QPushButton::clicked, this, &frmEditList::cmdMoveDown_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &frmEditList::cmdHelp_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmEditList::cmdClose_Click);
  // Selection rather than the current row: the list view makes its first row current
  // on taking the focus without selecting it, and that must not touch the item box.
  connect(lstList, &QListWidget::itemSelectionChanged, this, [this] {
    if (SelectedIndex() >= 0) lstList_Click();
  });
  lstList->installEventFilter(this);
}

bool frmEditList::eventFilter(QObject* watched, QEvent* event) {
  // With no item selected the keys move from before the first item: Qt would move from
  // the row it made current without selecting it, so Down skipped the first item and
  // Home or Up selected nothing.
  if (watched == lstList && event->type() == QEvent::KeyPress && SelectedIndex() < 0 && lstList->count() > 0) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_Home:
        case Qt::Key_PageUp:
          SelectItem(0);
          return true;
        case Qt::Key_End:
          SelectItem(lstList->count() - 1);
          return true;
        default:
          break;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool frmEditList::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) {
    if (away_from_own_windows_) {
      away_from_own_windows_ = false;
    } else {
      Form_Activate();
    }
  } else if (event->type() == QEvent::WindowDeactivate) {
    // By now the application knows its new active window: none means another program,
    // and a message box or input box is not one of the program's windows either.
    const QWidget* next = QApplication::activeWindow();
    away_from_own_windows_ = next == nullptr || IsDialogBox(next);
  }
  return handled;
}

void frmEditList::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.drawPixmap(0, 0, backdrop_);
}

void frmEditList::Form_Activate() {
  const std::int16_t record = document_.CurrentRecord;
  const QString name = document_.Fields.Holds(record) ? FromCore(document_.Fields[record].FieldName) : QString();
  setWindowTitle(QStringLiteral("Edit List - ") + QString::number(record) + QStringLiteral(". ") + name);
  ListChanged = false;
  if (document_.ListEntryCount > 0) LoadListItems();
}

void frmEditList::LoadListItems() {
  lstList->clear();
  const std::int16_t record = document_.CurrentRecord;
  const int count = ListEntriesInUse(document_);
  for (int i = 1; i <= count; ++i) {
    const ListEntry& entry = document_.ListEntries[i];
    if (entry.FieldNo == record) lstList->addItem(FromCore(entry.Item));
  }
  lstList->clearSelection();
  ApplyButtonRule();
}

void frmEditList::ApplyButtonRule() {
  const int n = lstList->count();
  cmdDelete->setEnabled(n >= 1);
  cmdMoveUp->setEnabled(n >= 2);
  cmdMoveDown->setEnabled(n >= 2);
}

int frmEditList::SelectedIndex() const {
  const QList<QListWidgetItem*> selected = lstList->selectedItems();
  return selected.isEmpty() ? -1 : lstList->row(selected.first());
}

void frmEditList::SelectItem(int index) {
  lstList->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void frmEditList::cmdAddItem_Click() {
  ListChanged = true;
  const QString text = txtItem->text();
  if (!text.isEmpty()) {
    lstList->addItem(text);
    txtItem->clear();
  }
  GiveFocus(txtItem);
  ApplyButtonRule();
}

void frmEditList::cmdDelete_Click() {
  ListChanged = true;
  int k = SelectedIndex();
  if (k >= 0) {
    delete lstList->takeItem(k);
    const int n = lstList->count();
    if (n > 0) {
      if (k >= n) k = k - 1;
      SelectItem(k);
      // Removing the selected row may already have selected this one.
      lstList_Click();
    }
  }
  ApplyButtonRule();
}

void frmEditList::cmdMoveUp_Click() {
  ListChanged = true;
  const int k = SelectedIndex();
  if (k > 0) {
    const QString above = lstList->item(k - 1)->text();
    lstList->item(k - 1)->setText(lstList->item(k)->text());
    lstList->item(k)->setText(above);
    SelectItem(k - 1);
  }
}

void frmEditList::cmdMoveDown_Click() {
  ListChanged = true;
  const int k = SelectedIndex();
  const int n = lstList->count();
  if (k >= 0 && k < n - 1) {
    const QString below = lstList->item(k + 1)->text();
    lstList->item(k + 1)->setText(lstList->item(k)->text());
    lstList->item(k)->setText(below);
    SelectItem(k + 1);
  }
}

void frmEditList::lstList_Click() {
  const int k = SelectedIndex();
  if (k >= 0) txtItem->setText(lstList->item(k)->text());
}

void frmEditList::cmdHelp_Click() {
  document_.HelpTopic = kEditListHelpTopic;
  ShowHelpWindow(document_, HelpMode::Modal);
  // Take the activation back in case the window system hands it to no window at all.
  if (isVisible()) activateWindow();
}

void frmEditList::cmdClose_Click() {
  if (ListChanged) {
    const Answer answer = MsgBox(QString::fromLatin1(kSaveListDataPrompt), Buttons::YesNoCancel, Icon::Question,
                                 QString::fromLatin1(kSaveListDataTitle));
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes && !StoreListItems()) return;
  }
  close();
}

bool frmEditList::StoreListItems() {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(lstList->count()));
  for (int row = 0; row < lstList->count(); ++row) items.push_back(ToCore(lstList->item(row)->text()));
  const int excess = ReplaceListItems(document_, document_.CurrentRecord, items);
  if (excess > 0) {
    const QString text = excess == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(excess);
    MsgBox(QString::fromLatin1(kListStoreFullMessage).arg(kMaxListEntries).arg(text), Buttons::Ok, Icon::Exclamation);
    return false;
  }
  return true;
}

void ShowEditListModal(Document& document) {
  frmEditList window(document);
  CentreOnScreen(window);
  ShowModal(&window);
}

}  // namespace zelvane::ui
