#include "ui/help/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "ui/help/help_texts.h"
#include "ui/help/window_look.h"
#include "ui/platform/desktop.h"
#include "ui/platform/program_icon.h"
#include "ui/platform/window_placement.h"

namespace zelvane::ui {
namespace {

constexpr const char* kCreatedBy = "Created by:";
constexpr const char* kAuthor = "Tomas Vellier";
constexpr const char* kYearLine = "\u00a9 2025";

const QSize kClientSize(Px(4185), Px(1785));
const QColor kBackColour(192, 255, 255);
const QColor kLabelColour(255, 255, 255);

QPointer<frmAbout> open_about;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setFont(look::ClassicFont(true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kLabelColour);
  label->setPalette(palette);
  return label;
}

}  // namespace

frmAbout::frmAbout() : QWidget(nullptr, Qt::Window), backdrop_(look::AboutBackdrop()) {
  setWindowTitle(QString::fromLatin1(kAboutCaption));
  setFont(look::ClassicFont());
  resize(kClientSize);

  picLogo = new QLabel(this);
  picLogo->setObjectName("picLogo");
  picLogo->setGeometry(Twips(210, 330, 495, 465));
  picLogo->setAlignment(Qt::AlignCenter);
  picLogo->setPixmap(ProgramIcon().pixmap(32, 32));
  // The picture is first in the tab order and has the focus at opening, so Enter does
  // nothing until the focus is on OK.
  picLogo->setFocusPolicy(Qt::StrongFocus);
  picLogo->setFocus(Qt::OtherFocusReason);

  Shape1 = new QFrame(this);
  Shape1->setObjectName("Shape1");
  Shape1->setGeometry(Twips(930, 90, 3075, 1095));
  Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Shape1->setLineWidth(1);
  Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette frame_palette = Shape1->palette();
  frame_palette.setColor(QPalette::WindowText, kLabelColour);
  Shape1->setPalette(frame_palette);

  lbl3 = MakeLabel(this, "lbl3", QString::fromLatin1(kUtilityName),
                   Twips(1110, 210, 2775, 285), Qt::AlignHCenter);
  lblVersion = MakeLabel(this, "lblVersion", QString::fromLatin1(kVersionText),
                         Twips(1740, 480, 1425, 285), Qt::AlignHCenter);
  lbl1 = MakeLabel(this, "lbl1", QString::fromLatin1(kCreatedBy),
                   Twips(1080, 870, 1155, 255), Qt::AlignRight);
  lblAuthor = MakeLabel(this, "lblAuthor", QString::fromLatin1(kAuthor),
                        Twips(2340, 870, 1605, 285), Qt::AlignLeft);
  lbl2 = MakeLabel(this, "lbl2", QString::fromUtf8(kYearLine), Twips(1830, 1380, 765, 225),
                   Qt::AlignLeft);

  cmdOK = new QPushButton(QStringLiteral("&OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(Twips(2820, 1320, 1185, 345));
  // Not the window's default button: Enter presses it only while it has the focus.
  cmdOK->setAutoDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  CentreOnScreen(*this);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackColour);
  painter.drawPixmap(0, 0, backdrop_);
}

void ShowAboutWindow() {
  frmAbout* about = OpenAboutWindow();
  if (about == nullptr) {
    about = new frmAbout;
    about->setAttribute(Qt::WA_DeleteOnClose);
    open_about = about;
  }
  if (about->isMinimized()) about->showNormal();
  ShowModeless(about);
}

frmAbout* OpenAboutWindow() {
  frmAbout* about = open_about.data();
  return about != nullptr && about->isVisible() ? about : nullptr;
}

}  // namespace zelvane::ui
