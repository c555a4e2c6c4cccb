#include "ui/platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <vector>

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

class QtDialogs final : public DialogService {
 public:
  Answer MessageBox(const MessageBoxRequest& request) override {
    QMessageBox box(DialogParent());
    box.setWindowTitle(EffectiveTitle(request.title));
    box.setText(request.prompt);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(ToQtIcon(request.icon));
    const std::vector<ButtonChoice> set = ButtonSet(request.buttons);
    std::vector<QPushButton*> pushes;
    for (const ButtonChoice& choice : set) pushes.push_back(box.addButton(choice.qt));
    const std::size_t default_index =
        request.default_button >= 1 && static_cast<std::size_t>(request.default_button) <= set.size()
            ? static_cast<std::size_t>(request.default_button - 1)
            : 0;
    box.setDefaultButton(pushes[default_index]);
    // Esc and the close box: Cancel where there is one, else the last button (No or Ok).
    box.setEscapeButton(pushes.back());
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (std::size_t i = 0; i < set.size(); ++i) {
      if (clicked == pushes[i]) return set[i].answer;
    }
    return set.back().answer;
  }

  QString InputBox(const QString& prompt, const QString& title, const QString& default_text) override {
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(EffectiveTitle(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(default_text);
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.textValue();
  }

  std::optional<QString> OpenFileName(const QString& filter) override {
    return RunFileDialog(filter, QFileDialog::AcceptOpen);
  }

  std::optional<QString> SaveFileName(const QString& filter) override {
    return RunFileDialog(filter, QFileDialog::AcceptSave);
  }

 private:
  std::optional<QString> RunFileDialog(const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(mode);
    // The named file need not exist, nothing is asked before replacing one, and the
    // name is taken exactly as typed.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setDefaultSuffix(QString());
    dialog.setNameFilters(QtNameFilters(filter));
    if (!last_path_.isEmpty()) {
      const QFileInfo last(last_path_);
      dialog.setDirectory(last.absolutePath());
      dialog.selectFile(last.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    last_path_ = chosen.front();
    return last_path_;
  }

  // "description|pattern|description|pattern" -> Qt's "description (pattern)" entries.
  static QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
      QString patterns = parts[i + 1];
      patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
      result << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
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
