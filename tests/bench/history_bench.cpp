// The history window's list of N backups of 16 x 200 telephones (scripts/bench_history.sh; not a
// test): the list as it is made now, and the whole-file read and decode it replaced, one run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <memory>

#include "core/files/rcf_file.h"
#include "core/history/backup_list.h"
#include "core/view/config_view.h"
#include "sim/sample_config.h"

using namespace orbisk;

namespace {

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// What the list did before: every file read whole and every telephone decoded to be counted.
int wholeFiles(const QString& folder) {
  int telephones = 0;
  auto img = std::make_unique<ConfigImage>();
  const QDir dir(folder);
  for (const QString& f : dir.entryList({QStringLiteral("*.rcf")}, QDir::Files)) {
    if (readImageFile(dir.filePath(f), *img, ReadAccess::ReadOnly) != ReadResult::Ok) continue;
    for (const ExpanderView& e : describe(*img).expanders) telephones += static_cast<int>(e.phones.size());
  }
  return telephones;
}

template <typename F>
void timed(const char* what, F f) {
  QElapsedTimer wall;
  wall.start();
  const double cpu = cpuSeconds();
  const long long result = f();
  std::printf("%-34s %7.1f ms processor, %7.1f ms wall (%lld)\n", what, (cpuSeconds() - cpu) * 1000,
              static_cast<double>(wall.nsecsElapsed()) / 1e6, result);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: orbisk-history-bench DIR COUNT\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int count = QString::fromLatin1(argv[2]).toInt();
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  img->stampSignature();
  const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
  for (int i = 0; i < count; ++i) {
    const QString name = backupFileName(start.addSecs(60 * i), i % 2 ? BackupKind::Read : BackupKind::Write);
    if (writeImageFile(QDir(folder).filePath(name), WriteMode::CreateNew, *img) != WriteResult::Ok) return 1;
  }
  std::printf("%d backups of 16 x 200 telephones:\n", count);
  timed("whole files read and decoded", [&] { return wholeFiles(folder); });
  timed("listBackups (heads only)", [&] {
    long long telephones = 0;
    for (const BackupEntry& e : listBackups(folder)) telephones += e.telephones;
    return telephones;
  });
  return 0;
}
