#include "ui/help/help_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "ui/help/window_look.h"
#include "ui/platform/desktop.h"
#include "ui/platform/window_placement.h"

namespace zelvane::ui {
namespace {

const QSize kClientSize(Px(5745), Px(4665));
const QColor kBackColour(255, 224, 192);
const QColor kTitleColour(0, 0, 64);

QPointer<frmHelp> open_help;

}  // namespace

frmHelp::frmHelp(const Document& document)
    // A tool window stays out of the taskbar.
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      document_(document),
      backdrop_(look::HelpBackdrop()) {
  setWindowTitle(QString::fromLatin1(kHelpCaption));
  setFont(look::ClassicFont());
  setFixedSize(kClientSize);
  // Qt leaves tool windows out of the count of open windows; this one counts, so that the
  // program keeps running while only help is open.
  setAttribute(Qt::WA_QuitOnClose, true);

  lblTitle = new QLabel(this);
  lblTitle->setObjectName("lblTitle");
  lblTitle->setGeometry(Twips(210, 30, 5295, 225));
  lblTitle->setFont(look::ClassicFont(true));
  lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QPalette title_palette = lblTitle->palette();
  title_palette.setColor(QPalette::WindowText, kTitleColour);
  lblTitle->setPalette(title_palette);

  txtHelp = new QPlainTextEdit(this);
  txtHelp->setObjectName("txtHelp");
  txtHelp->setGeometry(Twips(210, 300, 5295, 3705));
  txtHelp->setReadOnly(true);
  txtHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtHelp->setTabChangesFocus(true);

  cmdClose = new QPushButton(QStringLiteral("&Close"), this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setGeometry(Twips(3990, 4140, 1515, 405));
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);

  setTabOrder(txtHelp, cmdClose);
  CentreOnScreen(*this);
  Form_Load();
}

void frmHelp::Form_Load() {
  lblTitle->setText(HelpTitle(document_.HelpTopic));
  txtHelp->setPlainText(HelpText(document_.HelpTopic));
  txtHelp->moveCursor(QTextCursor::Start);
}

void frmHelp::Form_Activate() { cmdClose->setFocus(Qt::ActiveWindowFocusReason); }

void frmHelp::cmdClose_Click() { close(); }

bool frmHelp::event(QEvent* event) {
  // Qt hands the focus back to the window's focus widget right after this event, so
  // setting it here puts it on Close at every activation.
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QDialog::event(event);
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
  // Esc presses Close, as Enter does through the default button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdClose->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmHelp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackColour);
  painter.drawPixmap(0, 0, backdrop_);
}

void ShowHelpWindow(Document& document, HelpMode mode) {
  frmHelp* open = OpenHelpWindow();
  if (open != nullptr) {
    if (mode == HelpMode::Modeless) {
      ShowModeless(open);
      return;
    }
    // The modal caller waits for help on its own topic, so the open window gives way.
    open->close();
  }

  auto* help = new frmHelp(document);
  help->setAttribute(Qt::WA_DeleteOnClose);
  open_help = help;
  if (mode == HelpMode::Modal) {
    ShowModal(help);  // the window is deleted when it closes
  } else {
    ShowModeless(help);
  }
}

frmHelp* OpenHelpWindow() {
  // A window that has closed but is not deleted yet no longer counts as open.
  frmHelp* help = open_help.data();
  return help != nullptr && help->isVisible() ? help : nullptr;
}

}  // namespace zelvane::ui
