#pragma once
// The About window: the program's name, version and maker beside the program icon. One at a
// time, without an owner; closing it discards it.

#include <QPixmap>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace zelvane::ui {

inline constexpr const char* kAboutCaption = "About";
inline constexpr const char* kVersionText = "Version 1.2";

class frmAbout : public QWidget {
  Q_OBJECT

 public:
  frmAbout();

  void cmdOK_Click();

  QLabel* picLogo = nullptr;
  QFrame* Shape1 = nullptr;
  QLabel* lbl3 = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lbl1 = nullptr;
  QLabel* lblAuthor = nullptr;
  QLabel* lbl2 = nullptr;
  QPushButton* cmdOK = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap backdrop_;
};

// Opens the About window, or brings the open one to the front. Returns at once.
void ShowAboutWindow();

// The open About window, or nullptr.
frmAbout* OpenAboutWindow();

}  // namespace zelvane::ui
