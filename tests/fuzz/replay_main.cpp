// Replays kept inputs through a fuzz target without libFuzzer, so every build's tests run the
// seeds and every input that ever found a fault. Arguments: files or folders of inputs.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int replay(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    return 1;
  }
  const QByteArray bytes = f.readAll();
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0, failures = 0;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    // A target that never found a fault has no folder of kept inputs (git keeps no empty one).
    if (!QFileInfo::exists(arg)) continue;
    if (!QFileInfo(arg).isDir()) {
      failures += replay(arg);
      ++inputs;
      continue;
    }
    for (const QFileInfo& e : QDir(arg).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
      failures += replay(e.filePath());
      ++inputs;
    }
  }
  std::printf("%d inputs replayed\n", inputs);
  return failures == 0 && inputs > 0 ? 0 : 1;
}
