#include "gui/main_window/guarded_application.h"

#include <QMessageBox>
#include <exception>

#include "gui/state/main_state.h"

namespace orbisk {

bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report) {
  try {
    return deliver();
  } catch (const std::exception& e) {
    report(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    report(QStringLiteral("Unknown error"));
  }
  return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  return deliverGuarded([&] { return QApplication::notify(receiver, event); },
                        [](const QString& text) { QMessageBox::critical(nullptr, kProgramTitle, text); });
}

}  // namespace orbisk
