#include "ui/platform/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelvane::ui {

namespace {

// A sheet of generated rows on a green tile: drawn at each size rather than scaled, so
// the small sizes stay crisp.
QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 32.0;

  QPainterPath tile;
  tile.addRoundedRect(QRectF(1 * unit, 1 * unit, 30 * unit, 30 * unit), 6 * unit, 6 * unit);
  painter.fillPath(tile, QColor(64, 160, 96));
  painter.setPen(QPen(QColor(32, 96, 56), unit));
  painter.drawPath(tile);

  const QRectF sheet(7 * unit, 5 * unit, 18 * unit, 22 * unit);
  painter.setPen(QPen(QColor(128, 128, 255), unit));
  painter.setBrush(Qt::white);
  painter.drawRect(sheet);

  // A header row, then rows of values in columns.
  painter.fillRect(QRectF(9 * unit, 7.5 * unit, 14 * unit, 3 * unit), QColor(128, 128, 255));
  painter.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row) {
    const qreal top = (13 + row * 3.4) * unit;
    painter.fillRect(QRectF(9 * unit, top, 5 * unit, 1.8 * unit), QColor(64, 64, 64));
    painter.fillRect(QRectF(15.5 * unit, top, 7.5 * unit, 1.8 * unit), QColor(64, 160, 96));
  }
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace zelvane::ui
