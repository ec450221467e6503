#pragma once
// Drives a modal dialog from inside its own event loop: `drive` runs on it as soon as it
// shows. A dialog that `drive` leaves open fails the test and is cancelled, rather than
// waiting for a user who will never come.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace sorvane::qt {

inline void WhenDialogShows(std::function<void(QDialog&)> drive) {
  QTimer::singleShot(0, [drive = std::move(drive)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "no modal dialog shows";
      return;
    }
    drive(*dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog is still open";
      dialog->reject();
    }
  });
}

}  // namespace sorvane::qt
