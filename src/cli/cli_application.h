// The application object orbisk-cli runs in.
#pragma once

#include <QCoreApplication>
#include <memory>

namespace orbisk::cli {

// A plain QCoreApplication, so the commands run without a display; only the report command,
// whose PDF pages need fonts, gets a QGuiApplication (on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise).
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);

}  // namespace orbisk::cli
