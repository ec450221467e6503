#include "shells/qt/label_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace sorvane::qt {

LabelDialog::LabelDialog(const std::string& initial, QWidget* owner)
    : QDialog(owner), edit_(new QLineEdit(QString::fromStdString(initial))) {
  setWindowTitle(QStringLiteral("Label"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  edit_->setMinimumWidth(260);
  edit_->selectAll();
  edit_->setFocus();
  // Enter in the line edit presses OK, the dialog's default button.
  connect(buttons, &QDialogButtonBox::accepted, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
}

std::optional<std::string> EditLabelIn(const std::string& initial, QWidget* owner) {
  LabelDialog dialog(initial, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Text();
}

}  // namespace sorvane::qt
