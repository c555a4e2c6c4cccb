#include <QApplication>

#include "document/document.h"
#include "generator/engine.h"
#include "ui/main_window/frm_zelvane.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zelvane::Document document;
  zelvane::Engine engine;
  auto* window = new zelvane::ui::frmZelvane(document, engine);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return app.exec();
}
