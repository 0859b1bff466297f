// The application object orbisk-cli runs in.
#pragma once

#include <QCoreApplication>
#include <memory>

namespace orbisk::cli {

// A plain QCoreApplication, so the commands run without a display; only the report command,
// whose PDF pages need fonts, gets a QGuiApplication, always on the offscreen platform.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);

}  // namespace orbisk::cli
