#include "cli/cli_application.h"

#include <QGuiApplication>
#include <QStringList>

#include "cli/cli_args.h"
#include "render/bundled_fonts.h"

namespace orbisk::cli {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (parseArgs(args).command != Command::Report) return std::make_unique<QCoreApplication>(argc, argv);
  // The report needs no screen: the offscreen platform lays out the same pages anywhere, also
  // where QT_QPA_PLATFORM names a display that a remote shell does not have.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  loadBundledFonts();
  return app;
}

}  // namespace orbisk::cli
