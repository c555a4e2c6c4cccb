#include "ui/main_window/frm_zelvane.h"

#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "generator/data_types.h"
#include "platform/number_text.h"
#include "ui/main_window/field_editor_backdrop.h"
#include "ui/platform/core_text.h"
#include "ui/platform/desktop.h"
#include "ui/platform/window_placement.h"

namespace zelvane::ui {

namespace {

constexpr const char* kStartCaption = "A Programming Utility";
constexpr const char* kCountPrefix = "of   ";

// The client area under the menu bar, in twips.
constexpr int kClientWidthTwips = 6780;
constexpr int kClientHeightTwips = 4755;


// Boxes written when a data type is chosen from the list; nullptr leaves a box as it is.
struct TypeDefaults {
  const char* type;
  const char* size;
  const char* start_string;
};

constexpr TypeDefaults kTypeDefaults[] = {
    {"Counting Numbers", nullptr, nullptr},
    {"Random Text", "10", ""},
    {"Random Integer", "100", ""},
    {"Random Double", "100", ""},
    {"Random Currency", "100", ""},
    {"Random Date", "5", "1998"},
    {"Random Time", "15", "8:00"},
    {kFromFile, "0", ""},
    {"Street", "10", ""},
    {"Phone", "5", ""},
    {"Email", "10", "@zelvanemail.com.**"},
    {"WebURL", "10", ".com.**"},
};

void SetColours(QWidget* widget, QPalette::ColorRole text_role, const QColor& text,
                QPalette::ColorRole back_role = QPalette::NoRole, const QColor& back = QColor()) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, text_role, text);
    if (back_role != QPalette::NoRole) palette.setColor(group, back_role, back);
  }
  widget->setPalette(palette);
}

QFont Tahoma(qreal points, bool bold = false) { return NearestFont(QStringLiteral("Tahoma"), points, bold); }

}  // namespace

frmZelvane::frmZelvane(Document& document, Engine& engine, QWidget* parent)
    : QMainWindow(parent), document_(document), engine_(engine) {
  BuildControls();
  BuildMenus();
  ConnectControls();
  PlaceWindow();
  Form_Load();
}

void frmZelvane::BuildControls() {
  setObjectName(QStringLiteral("frmZelvane"));
  setWindowTitle(QString::fromLatin1(kStartCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(NearestFont(QStringLiteral("MS Sans Serif"), 8.25));

  auto* canvas = new BackdropCanvas(this);
  canvas->setObjectName(QStringLiteral("canvas"));
  setCentralWidget(canvas);

  auto make_label = [canvas](QLabel*& label, const char* name, const char* caption, QRect where) {
    label = new QLabel(QString::fromLatin1(caption), canvas);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
  };
  auto make_box = [canvas](QLineEdit*& box, const char* name, QRect where) {
    box = new QLineEdit(canvas);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(where);
    box->setMaxLength(kUnlimitedLength);
  };
  auto make_button = [canvas](QPushButton*& button, const char* name, const char* caption, QRect where) {
    button = new QPushButton(QString::fromLatin1(caption), canvas);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setFont(Tahoma(8.25));
    button->setAutoDefault(false);
  };
  auto make_shape = [canvas](QFrame*& shape, const char* name, QRect where) {
    shape = new QFrame(canvas);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setGeometry(where);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColours(shape, QPalette::WindowText, MainWindowColour());
  };

  // Shapes first, so that every other control lies above them.
  make_shape(Shape1, "Shape1", Twips(210, 630, 4335, 1395));
  make_shape(Shape2, "Shape2", Twips(210, 2370, 4335, 1005));

  make_label(lblInstructions, "lblInstructions", "Zelvane Utility", Twips(210, 180, 4335, 255));
  lblInstructions->setFont(Tahoma(9.75, true));
  lblInstructions->setAlignment(Qt::AlignCenter);
  lblInstructions->setAutoFillBackground(true);
  SetColours(lblInstructions, QPalette::WindowText, Qt::white, QPalette::Window, QColor(128, 128, 255));

  make_label(lblName, "lblName", "Field Name:", Twips(360, 750, 1245, 345));
  make_box(txtFieldName, "txtFieldName", Twips(1890, 780, 2445, 315));
  make_label(lblPhone, "lblPhone", "Data Type:", Twips(360, 1140, 1365, 345));
  cboDataType = new QComboBox(canvas);
  cboDataType->setObjectName(QStringLiteral("cboDataType"));
  cboDataType->setGeometry(Twips(1890, 1170, 2175, 315));
  cboDataType->setEditable(true);
  cboDataType->lineEdit()->setMaxLength(kUnlimitedLength);
  cboDataType->setInsertPolicy(QComboBox::NoInsert);
  cboDataType->setCompleter(nullptr);  // the box takes what is typed, letter for letter
  cboDataType->setMaxVisibleItems(12);
  make_button(cmdHelp, "cmdHelp", "?", Twips(4110, 1170, 375, 315));
  make_label(Label2, "Label2", "Size:", Twips(360, 1530, 1425, 345));
  make_box(txtSize, "txtSize", Twips(1890, 1560, 2445, 315));
  make_label(Label1, "Label1", "Start String:", Twips(360, 2520, 1395, 345));
  make_box(txtStartString, "txtStartString", Twips(1890, 2520, 2445, 315));
  make_label(Label5, "Label5", "Links To:", Twips(360, 2910, 1395, 345));
  make_box(txtLinksTo, "txtLinksTo", Twips(1890, 2910, 2445, 315));
  for (QLabel* label : {lblName, lblPhone, Label2, Label1, Label5}) {
    label->setFont(Tahoma(8.25, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColours(label, QPalette::WindowText, Qt::white);
  }

  make_button(cmdNew, "cmdNew", "&New Entry", Twips(4800, 120, 1755, 465));
  make_button(cmdSave, "cmdSave", "&Save Entries", Twips(4800, 600, 1755, 465));
  make_button(cmdDelete, "cmdDelete", "&Delete Entry", Twips(4800, 1080, 1755, 465));
  make_button(cmdFind, "cmdFind", "F&ind Entry", Twips(4800, 1560, 1755, 465));
  make_button(cmdMoveUp, "cmdMoveUp", "Move &Up", Twips(4800, 2160, 1755, 465));
  make_button(cmdMoveDown, "cmdMoveDown", "Move D&own", Twips(4800, 2640, 1755, 465));
  make_button(cmdEditList, "cmdEditList", "&Edit List", Twips(4800, 3120, 1755, 465));
  cmdEditList->setEnabled(false);
  make_button(cmdExit, "cmdExit", "E&xit", Twips(4800, 3720, 1755, 465));
  make_button(cmdFirst, "cmdFirst", "|<", Twips(210, 3720, 555, 465));
  make_button(cmdPrevious, "cmdPrevious", "<", Twips(750, 3720, 555, 465));
  make_button(cmdNext, "cmdNext", ">", Twips(1290, 3720, 555, 465));
  make_button(cmdLast, "cmdLast", ">|", Twips(1830, 3720, 555, 465));

  make_label(Label6, "Label6", "Field:", Twips(2640, 3870, 585, 225));
  Label6->setFont(Tahoma(8.25));
  SetColours(Label6, QPalette::WindowText, Qt::white);
  make_box(txtCurrentRecord, "txtCurrentRecord", Twips(3240, 3840, 495, 285));
  txtCurrentRecord->setFont(NearestFont(QStringLiteral("MS Sans Serif"), 8.25, true));
  SetColours(txtCurrentRecord, QPalette::Text, QColor(0, 0, 64), QPalette::Base, Qt::white);
  make_label(lblNumRecords, "lblNumRecords", "of", Twips(3900, 3870, 615, 255));
  SetColours(lblNumRecords, QPalette::WindowText, Qt::white);

  make_label(lblFile, "lblFile", "File:", Twips(210, 4320, 435, 255));
  SetColours(lblFile, QPalette::WindowText, QColor(192, 192, 255));
  make_box(txtFile, "txtFile", Twips(600, 4320, 5985, 255));
  txtFile->setReadOnly(true);
  txtFile->setFocusPolicy(Qt::ClickFocus);
  SetColours(txtFile, QPalette::Text, QColor(192, 192, 255), QPalette::Base, QColor(128, 128, 255));

  // Tab order; the file box is left out.
  QWidget* const order[] = {txtFieldName, cboDataType, txtSize,     txtStartString, txtLinksTo,       cmdNew,
                            cmdSave,      cmdDelete,   cmdFind,     cmdMoveUp,      cmdMoveDown,      cmdEditList,
                            cmdFirst,     cmdPrevious, cmdNext,     cmdLast,        txtCurrentRecord, cmdExit,
                            cmdHelp};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(order[i], order[i + 1]);
  }
}

void frmZelvane::ConnectControls() {
  const std::pair<QPushButton*, void (frmZelvane::*)()> buttons[] = {
      {cmdNew, &frmZelvane::cmdNew_Click},           {cmdSave, &frmZelvane::cmdSave_Click},
      {cmdDelete, &frmZelvane::cmdDelete_Click},     {cmdFind, &frmZelvane::cmdFind_Click},
      {cmdMoveUp, &frmZelvane::cmdMoveUp_Click},     {cmdMoveDown, &frmZelvane::cmdMoveDown_Click},
      {cmdEditList, &frmZelvane::cmdEditList_Click}, {cmdExit, &frmZelvane::cmdExit_Click},
      {cmdFirst, &frmZelvane::cmdFirst_Click},       {cmdPrevious, &frmZelvane::cmdPrevious_Click},
      {cmdNext, &frmZelvane::cmdNext_Click},         {cmdLast, &frmZelvane::cmdLast_Click},
      {cmdHelp, &frmZelvane::cmdHelp_Click},
  };
  for (const auto& [button, procedure] : buttons) {
    connect(button, &QPushButton::clicked, this, [this, procedure = procedure] { (this->*procedure)(); });
  }
  connect(cboDataType, &QComboBox::activated, this, [this] {
    if (!typing_ends_) cboDataType_Click();
  });
  cboDataType->installEventFilter(this);
  cboDataType->lineEdit()->installEventFilter(this);
  cboDataType->view()->installEventFilter(this);
  cboDataType->view()->viewport()->installEventFilter(this);
  txtCurrentRecord->installEventFilter(this);
}

void frmZelvane::PlaceWindow() {
  const QSize client(Px(kClientWidthTwips), Px(kClientHeightTwips));
  const int menu_height = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
  resize(client.width(), client.height() + menu_height);
  CentreOnScreen(*this);
}

void frmZelvane::Form_Load() {
  ResetFieldFile(document_);
  ShowField(1);
  // Filling the list would make its first entry the box's text; the box keeps the field's.
  const QString shown_type = cboDataType->currentText();
  for (std::string_view name : kDataTypeNames) {
    cboDataType->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  cboDataType->setCurrentIndex(-1);
  cboDataType->setEditText(shown_type);
}

void frmZelvane::ShowField(std::int16_t i) {
  if (document_.Fields.Holds(i)) {
    const FieldDef& field = document_.Fields[i];
    txtFieldName->setText(FromCore(field.FieldName));
    // The caret stays at the start, so that Shift+End below selects the whole name.
    txtFieldName->setCursorPosition(0);
    // The list's highlight follows the text when it names an entry exactly.
    const QString type = FromCore(field.Type);
    cboDataType->setCurrentIndex(cboDataType->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive));
    cboDataType->setEditText(type);
    txtSize->setText(QString::number(field.Size));
    txtStartString->setText(FromCore(field.StartString));
    txtLinksTo->setText(QString::number(field.LinksTo));
  }
  txtCurrentRecord->setText(QString::number(i));
  lblNumRecords->setText(QString::fromLatin1(kCountPrefix) + QString::number(document_.FieldCount));
  cmdEditList->setEnabled(ListTypeShown());
  // While the window is hidden no control can take the focus; the keystroke would then
  // have no control of ours to go to.
  if (GiveFocus(txtFieldName)) PostKeystroke(this, Qt::Key_End, Qt::ShiftModifier);
}

void frmZelvane::StoreField(std::int16_t i) {
  if (!document_.Fields.Holds(i)) return;
  FieldDef& field = document_.Fields[i];
  field.FieldName = ToCore(txtFieldName->text());
  field.Type = ToCore(cboDataType->currentText());
  if (const auto size = TextToInt32(ToCore(txtSize->text()), engine_.Conventions)) field.Size = *size;
  field.StartString = ToCore(txtStartString->text());
  if (const auto links_to = TextToInt16(ToCore(txtLinksTo->text()), engine_.Conventions)) {
    field.LinksTo = *links_to;
  }
}

bool frmZelvane::ListTypeShown() const { return cboDataType->currentText() == QLatin1String(kFromFile); }

void frmZelvane::cboDataType_Click() {
  const QString chosen = cboDataType->currentText();
  cmdEditList->setEnabled(ListTypeShown());
  for (const TypeDefaults& defaults : kTypeDefaults) {
    if (chosen != QLatin1String(defaults.type)) continue;
    if (defaults.size != nullptr) txtSize->setText(QString::fromLatin1(defaults.size));
    if (defaults.start_string != nullptr) txtStartString->setText(QString::fromLatin1(defaults.start_string));
    break;
  }
}

bool frmZelvane::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == txtCurrentRecord && type == QEvent::FocusOut) {
    // Another window taking over, or a menu opening, is not leaving the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      txtCurrentRecord_LostFocus();
    }
    return false;
  }
  // A key or click in the drop-down list is a choice, never the end of typing, however
  // soon it follows the box losing the focus to the list as it opened.
  if ((watched == cboDataType->view() || watched == cboDataType->view()->viewport()) &&
      (type == QEvent::KeyPress || type == QEvent::MouseButtonRelease)) {
    typing_ends_ = false;
  }
  if (watched == cboDataType || watched == cboDataType->lineEdit()) {
    if (type == QEvent::Wheel && !cboDataType->view()->isVisible()) {
      return true;  // scrolling over the closed box chooses nothing
    }
    const bool ends_typing =
        type == QEvent::FocusOut ||
        (type == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
    if (ends_typing && !typing_ends_) {
      typing_ends_ = true;
      QTimer::singleShot(0, this, [this] { typing_ends_ = false; });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zelvane::ui
