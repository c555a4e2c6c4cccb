#include "ui/main_window/field_editor_backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace zelvane::ui {

namespace {

constexpr int kBackdropWidth = 451;
constexpr int kBackdropHeight = 316;

QPixmap FieldEditorBackdrop() {
  QPixmap picture(kBackdropWidth, kBackdropHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient depth(0, 0, 0, kBackdropHeight);
  depth.setColorAt(0.0, QColor(16, 24, 88));
  depth.setColorAt(0.6, QColor(12, 52, 84));
  depth.setColorAt(1.0, QColor(8, 64, 56));
  painter.fillRect(picture.rect(), depth);

  // A soft light behind the command buttons.
  QRadialGradient glow(QPointF(390, 40), 220);
  glow.setColorAt(0.0, QColor(128, 128, 255, 90));
  glow.setColorAt(1.0, QColor(128, 128, 255, 0));
  painter.fillRect(picture.rect(), glow);

  // Faint ruled lines, like the rows of a data file.
  painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
  for (int y = 6; y < kBackdropHeight; y += 12) painter.drawLine(0, y, kBackdropWidth, y);
  painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
  for (int x = 14; x < kBackdropWidth; x += 96) painter.drawLine(x, 0, x, kBackdropHeight);

  return picture;
}

}  // namespace

QColor MainWindowColour() { return QColor(192, 255, 192); }

BackdropCanvas::BackdropCanvas(QWidget* parent) : QWidget(parent), picture_(FieldEditorBackdrop()) {}

void BackdropCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), MainWindowColour());
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace zelvane::ui
