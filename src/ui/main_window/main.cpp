#include <csignal>

#include <QApplication>

#include "document/document.h"
#include "generator/engine.h"
#include "ui/main_window/frm_zelvane.h"
#include "ui/platform/keyboard_queue.h"
#include "ui/platform/program_icon.h"

int main(int argc, char** argv) {
  // A pipe whose reader went away fails the write, reported like any other failure.
  std::signal(SIGPIPE, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvane"));
  QApplication::setWindowIcon(zelvane::ui::ProgramIcon());
  zelvane::ui::InstallKeyboardQueue();
  // The document and the engine outlive every window: the help and About windows may
  // stay open after the main window has closed.
  zelvane::Document document;
  zelvane::Engine engine;
  auto* window = new zelvane::ui::frmZelvane(document, engine);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return app.exec();
}
