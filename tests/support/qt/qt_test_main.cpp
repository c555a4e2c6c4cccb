#include <QApplication>
#include <gtest/gtest.h>

// Window tests need one QApplication for the whole program, made before any widget.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
