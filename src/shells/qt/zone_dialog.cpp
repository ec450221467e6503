#include "shells/qt/zone_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvane::qt {

namespace {

constexpr int kRowIndexRole = Qt::UserRole;

bool MovesSelection(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown;
}

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ZoneDialog::ZoneDialog(std::vector<ports::ChoiceRow> rows, const std::string& current,
                       QWidget* owner)
    : QDialog(owner), rows_(std::move(rows)), filter_(new QLineEdit), list_(new QListWidget) {
  setWindowTitle(QStringLiteral("Time Zone"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filter_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(420, 480);

  filter_->setClearButtonEnabled(true);
  filter_->installEventFilter(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformItemSizes(true);  // hundreds of rows: lay them out without measuring each
  FillList(current);

  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setEnabled(list_->currentItem() != nullptr);
  connect(list_, &QListWidget::currentItemChanged,
          [ok](const QListWidgetItem* item) { ok->setEnabled(item != nullptr); });
  connect(filter_, &QLineEdit::textChanged, [this](const QString& text) { ApplyFilter(text); });
  connect(list_, &QListWidget::itemDoubleClicked, [this] { AcceptSelected(); });
  connect(buttons, &QDialogButtonBox::accepted, [this] { AcceptSelected(); });
  connect(buttons, &QDialogButtonBox::rejected, [this] { reject(); });
  filter_->setFocus();
}

std::optional<std::string> ZoneDialog::SelectedKey() const {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr || item->isHidden()) return std::nullopt;
  return rows_[item->data(kRowIndexRole).toULongLong()].key;
}

bool ZoneDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != filter_ || event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (MovesSelection(key)) {
    QCoreApplication::sendEvent(list_, event);
    return true;
  }
  if (IsEnter(key)) {
    AcceptSelected();
    return true;  // with no row left to choose, Enter does nothing
  }
  return QDialog::eventFilter(watched, event);
}

// Mid-list, so that the zones around it show too (Qt alone would leave it at the edge);
// only once shown does the list know its height, and so where its middle is.
void ZoneDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QListWidgetItem* item = list_->currentItem()) {
    list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
  }
}

void ZoneDialog::FillList(const std::string& current) {
  for (size_t i = 0; i < rows_.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(rows_[i].caption), list_);
    item->setData(kRowIndexRole, QVariant::fromValue<qulonglong>(i));
    if (rows_[i].key == current) list_->setCurrentItem(item);
  }
}

// The selected row stays while it is still shown; otherwise the first row left is selected.
void ZoneDialog::ApplyFilter(const QString& text) {
  QListWidgetItem* first_shown = nullptr;
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const bool shown = item->text().contains(text, Qt::CaseInsensitive);
    item->setHidden(!shown);
    if (shown && first_shown == nullptr) first_shown = item;
  }
  QListWidgetItem* current = list_->currentItem();
  if (current == nullptr || current->isHidden()) {
    list_->setCurrentItem(first_shown);
    current = first_shown;
  }
  if (current != nullptr) list_->scrollToItem(current);
}

void ZoneDialog::AcceptSelected() {
  if (SelectedKey()) accept();
}

std::optional<std::string> ChooseZoneIn(const std::vector<ports::ChoiceRow>& rows,
                                        const std::string& current, QWidget* owner) {
  ZoneDialog dialog(rows, current, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.SelectedKey();
}

}  // namespace sorvane::qt
