// orbisk-cli's command line: the input's NUL-separated pieces are the arguments.
#include <QStringList>
#include <cstring>

#include "cli/cli_args.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QStringList args;
  const char* const bytes = reinterpret_cast<const char*>(data);
  for (size_t from = 0;;) {
    const void* nul = std::memchr(bytes + from, 0, size - from);
    const size_t end = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : size;
    args << QString::fromLocal8Bit(bytes + from, static_cast<qsizetype>(end - from));
    if (!nul) break;
    from = end + 1;
  }
  const orbisk::cli::CliArgs a = orbisk::cli::parseArgs(args);
  // A usable command line names a command; an unusable one says why.
  if (a.error.isEmpty()) FUZZ_CHECK(a.command >= orbisk::cli::Command::Help && a.command <= orbisk::cli::Command::Report);
  return 0;
}
