// orbisk-cli's command line: the input's NUL-separated pieces are the arguments.
#include <QStringList>

#include "cli/cli_args.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QStringList args;
  const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const QByteArray& piece : all.split('\0')) args << QString::fromLocal8Bit(piece);
  const orbisk::cli::CliArgs a = orbisk::cli::parseArgs(args);
  // A usable command line names a command; an unusable one says why.
  if (a.error.isEmpty()) FUZZ_CHECK(a.command >= orbisk::cli::Command::Help && a.command <= orbisk::cli::Command::Report);
  return 0;
}
