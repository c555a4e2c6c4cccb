#include "ui/help/window_look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace zelvane::ui::look {

QFont ClassicFont(bool bold) {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                    "Helvetica", "Nimbus Sans", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setBold(bold);
  return font;
}

QPixmap HelpBackdrop() {
  QPixmap picture(381, 310);
  QPainter painter(&picture);
  QLinearGradient paper(0, 0, 0, picture.height());
  paper.setColorAt(0.0, QColor(255, 241, 226));
  paper.setColorAt(0.5, QColor(255, 230, 204));
  paper.setColorAt(1.0, QColor(255, 224, 192));
  painter.fillRect(picture.rect(), paper);
  // A faint ruled band behind the title and a thin frame, like a card.
  painter.fillRect(QRect(0, 0, picture.width(), 18), QColor(250, 214, 178));
  painter.setPen(QColor(232, 190, 150));
  painter.drawLine(0, 18, picture.width() - 1, 18);
  painter.drawRect(picture.rect().adjusted(2, 2, -3, -3));
  return picture;
}

QPixmap AboutBackdrop() {
  QPixmap picture(278, 118);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sea(0, 0, picture.width(), picture.height());
  sea.setColorAt(0.0, QColor(0, 104, 120));
  sea.setColorAt(1.0, QColor(0, 40, 64));
  painter.fillRect(picture.rect(), sea);
  QRadialGradient glow(QPointF(30, 38), 70);
  glow.setColorAt(0.0, QColor(120, 220, 230, 110));
  glow.setColorAt(1.0, QColor(120, 220, 230, 0));
  painter.fillRect(picture.rect(), glow);
  return picture;
}

}  // namespace zelvane::ui::look
