#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/platform/keyboard_queue.h"
#include "ui/platform/program_icon.h"

// Window tests need one QApplication for the whole program, made before any widget.
// They run without a display unless the caller asks for a real one.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(zelvane::ui::ProgramIcon());  // as the program sets them
  zelvane::ui::InstallKeyboardQueue();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
