#pragma once
// The main window's client area: its background colour with the picture drawn over it
// from the top left corner. The picture is dark so that the white captions of the field
// editor stand out; beyond it (when the window is made larger) the colour shows.

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace zelvane::ui {

QColor MainWindowColour();  // RGB(192,255,192)

// A plain area for controls at fixed positions, painted with the colour and the picture.
class BackdropCanvas : public QWidget {
 public:
  explicit BackdropCanvas(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace zelvane::ui
