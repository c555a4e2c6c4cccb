#include "ui/platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

#include <vector>

#include "ui/platform/core_text.h"

namespace zelvane::ui {

namespace {

QString EffectiveTitle(const QString& title) {
  return title.isEmpty() ? QString::fromLatin1(kApplicationTitle) : title;
}

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonChoice {
  QMessageBox::StandardButton qt;
  Answer answer;
};

std::vector<ButtonChoice> ButtonSet(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
    case Buttons::YesNoCancel:
      return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}, {QMessageBox::Cancel, Answer::Cancel}};
    case Buttons::Ok: break;
  }
  return {{QMessageBox::Ok, Answer::Ok}};
}

QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

// A dialog over its parent window, on the heap: should the parent be destroyed while
// the dialog's event loop runs, it takes the dialog with it, and nothing deletes it twice.
template <typename Dialog>
class OwnedDialog {
 public:
  OwnedDialog() : dialog_(new Dialog(DialogParent())) {}
  ~OwnedDialog() { delete dialog_.data(); }
  OwnedDialog(const OwnedDialog&) = delete;
  OwnedDialog& operator=(const OwnedDialog&) = delete;
  Dialog* operator->() const { return dialog_.data(); }
  // Runs the dialog; false when it no longer exists afterwards.
  bool Run() {
    result_ = dialog_->exec();
    return dialog_ != nullptr;
  }
  // Runs the dialog; false when it was not accepted or no longer exists.
  bool Accepted() { return Run() && result_ == QDialog::Accepted; }

 private:
  QPointer<Dialog> dialog_;
  int result_ = QDialog::Rejected;
};

// Qt reads a double quote in the typed name as the start of a list of quoted names and
// keeps a part of it; a name typed with a quote is taken as typed instead.
class FileDialog final : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = name != nullptr ? name->text() : QString();
    if (!typed.contains(QLatin1Char('"'))) return QFileDialog::accept();
    const QString path = directory().absoluteFilePath(typed);
    if (QFileInfo(path).isDir()) {
      setDirectory(path);
      return;
    }
    typed_path_ = path;
    QDialog::accept();
  }
  QStringList Chosen() const { return typed_path_.isEmpty() ? selectedFiles() : QStringList{typed_path_}; }

 private:
  QString typed_path_;
};

class QtDialogs final : public DialogService {
 public:
  Answer MessageBox(const MessageBoxRequest& request) override {
    OwnedDialog<QMessageBox> box;
    box->setWindowTitle(EffectiveTitle(request.title));
    box->setText(request.prompt);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(ToQtIcon(request.icon));
    const std::vector<ButtonChoice> set = ButtonSet(request.buttons);
    std::vector<QPushButton*> pushes;
    for (const ButtonChoice& choice : set) pushes.push_back(box->addButton(choice.qt));
    const std::size_t default_index =
        request.default_button >= 1 && static_cast<std::size_t>(request.default_button) <= set.size()
            ? static_cast<std::size_t>(request.default_button - 1)
            : 0;
    box->setDefaultButton(pushes[default_index]);
    // Esc and the close box: Cancel where there is one, else the last button (No or Ok).
    box->setEscapeButton(pushes.back());
    // Gone with its parent: the answer of Esc.
    if (!box.Run()) return set.back().answer;
    QAbstractButton* clicked = box->clickedButton();
    for (std::size_t i = 0; i < set.size(); ++i) {
      if (clicked == pushes[i]) return set[i].answer;
    }
    return set.back().answer;
  }

  QString InputBox(const QString& prompt, const QString& title, const QString& default_text) override {
    OwnedDialog<QInputDialog> dialog;
    dialog->setWindowTitle(EffectiveTitle(title));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setLabelText(prompt);
    dialog->setTextValue(default_text);
    // Like every text box of ours, it takes a text of any length.
    if (auto* edit = dialog->findChild<QLineEdit*>()) edit->setMaxLength(kUnlimitedLength);
    if (!dialog.Accepted()) return QString();
    return dialog->textValue();
  }

  std::optional<QString> OpenFileName(const QString& filter) override {
    return RunFileDialog(filter, QFileDialog::AcceptOpen);
  }

  std::optional<QString> SaveFileName(const QString& filter) override {
    return RunFileDialog(filter, QFileDialog::AcceptSave);
  }

 private:
  std::optional<QString> RunFileDialog(const QString& filter, QFileDialog::AcceptMode mode) {
    OwnedDialog<FileDialog> dialog;
    dialog->setAcceptMode(mode);
    // The named file need not exist, nothing is asked before replacing one, and the
    // name is taken exactly as typed.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setDefaultSuffix(QString());
    dialog->setNameFilters(QtNameFilters(filter));
    if (!last_path_.isEmpty()) {
      const QFileInfo last(last_path_);
      dialog->setDirectory(last.absolutePath());
      dialog->selectFile(last.fileName());
    }
    if (!dialog.Accepted()) return std::nullopt;
    const QStringList chosen = dialog->Chosen();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    last_path_ = chosen.front();
    return last_path_;
  }

  // "description|pattern|description|pattern" -> Qt's "description (pattern)" entries;
  // a description that already ends in its patterns is shown as it stands.
  static QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
      QString patterns = parts[i + 1];
      patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
      const QString in_brackets = QLatin1Char('(') + patterns + QLatin1Char(')');
      if (parts[i].endsWith(in_brackets)) {
        result << parts[i];
      } else {
        result << parts[i] + QLatin1Char(' ') + in_brackets;
      }
    }
    if (result.isEmpty()) result << QStringLiteral("(*)");
    return result;
  }

  QString last_path_;
};

DialogService* installed = nullptr;

}  // namespace

DialogService& Dialogs() {
  if (installed != nullptr) return *installed;
  static QtDialogs real;
  return real;
}

void InstallDialogs(DialogService* service) { installed = service; }

bool IsDialogBox(const QWidget* window) {
  return qobject_cast<const QMessageBox*>(window) != nullptr || qobject_cast<const QInputDialog*>(window) != nullptr ||
         qobject_cast<const QFileDialog*>(window) != nullptr;
}

}  // namespace zelvane::ui
