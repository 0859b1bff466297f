// The application object: an exception escaping a command is shown, and the program goes on.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace orbisk {

// Runs deliver; an exception it throws is handed to report as text and counts as not handled.
bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report);

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orbisk
