#pragma once
// The label box: one line of text, opened with the label there is, all of it selected so
// that typing replaces it.
#include <QDialog>
#include <QLineEdit>
#include <optional>
#include <string>

namespace sorvane::qt {

class LabelDialog final : public QDialog {
 public:
  LabelDialog(const std::string& initial, QWidget* owner);

  std::string Text() const { return edit_->text().toStdString(); }

 private:
  QLineEdit* edit_;
};

// Shows the label box modally; its text on OK, nothing on Cancel.
std::optional<std::string> EditLabelIn(const std::string& initial, QWidget* owner);

}  // namespace sorvane::qt
