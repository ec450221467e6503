#pragma once
// The time-zone chooser: a filter box over the list of rows, OK and Cancel. The keyboard
// stays in the filter box: typing filters, the arrow and page keys move the list's
// selection, Enter chooses, Escape cancels.
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/ports/dialogs.h"

namespace sorvane::qt {

class ZoneDialog final : public QDialog {
 public:
  ZoneDialog(std::vector<ports::ChoiceRow> rows, const std::string& current, QWidget* owner);

  // The selected row's key; nothing when no row is selected.
  std::optional<std::string> SelectedKey() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FillList(const std::string& current);
  void ApplyFilter(const QString& text);
  void AcceptSelected();

  std::vector<ports::ChoiceRow> rows_;
  QLineEdit* filter_;
  QListWidget* list_;
};

// Shows the chooser modally; the chosen row's key, or nothing on Cancel.
std::optional<std::string> ChooseZoneIn(const std::vector<ports::ChoiceRow>& rows,
                                        const std::string& current, QWidget* owner);

}  // namespace sorvane::qt
