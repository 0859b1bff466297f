// The waits a technician feels in the main window with 16 x 200 telephones, in milliseconds, each
// with the repaint that follows it (scripts/bench_waits.sh; not a test): opening a file, importing
// 3,200 rows from a CSV file (to the dialog, the switch to "replace", the import itself),
// comparing with another file and searching for a telephone.
#include <QPushButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/files_controller.h"
#include "gui/main_window/history_controller.h"
#include "core/exchange/phone_csv.h"
#include "core/files/rcf_file.h"
#include "core/state/prompter.h"
#include "gui/dialogs/import_dialog.h"
#include "gui/main_window/tform1.h"
#include "sim/sample_config.h"

using namespace orbisk;

namespace {

class QuietPrompter : public Prompter {
 public:
  void message(const QString&) override {}
  void messageCaptioned(const QString&, const QString&) override {}
  Answer ask(const QString&, bool) override { return Answer::No; }
  QString openFile(const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&) override { return {}; }
  QString savePdfFile(const QString&, const QString&) override { return {}; }
};

// Every telephone of the full configuration, changed: the comparison lists them all and the
// import replaces them all.
void changeEveryPhone(ConfigImage& img) {
  for (int s = 0; s < kSlotCount; ++s)
    for (int i = 0; i < img.phoneCount(s); ++i) img.record(s, i)[recfield::kComment] ^= 0x01;
}

// The call, then the repaint it causes, as the user waits for both.
qint64 timed(const std::function<void()>& call) {
  QElapsedTimer t;
  t.start();
  call();
  QCoreApplication::processEvents();
  return t.elapsed();
}

void print(const char* what, qint64 ms) { std::printf("%-44s %6lld ms\n", what, static_cast<long long>(ms)); }

struct ImportTimes {
  qint64 toDialog = 0, toReplace = 0, toDone = 0;
};

// The import with its dialog answered as a user would: "replace", then the import button.
ImportTimes timeImport(TForm1& form, const QString& csv) {
  ImportTimes times;
  QElapsedTimer t;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
    if (!dlg) return;
    times.toDialog = t.elapsed();
    t.restart();
    dlg->replaceChoice()->click();
    QCoreApplication::processEvents();
    times.toReplace = t.elapsed();
    t.restart();
    dlg->importButton()->click();
  });
  t.start();
  form.exchange().importPhonesFile(csv);
  QCoreApplication::processEvents();
  times.toDone = t.elapsed();
  return times;
}

bool write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (app.arguments().size() != 2) {
    std::fprintf(stderr, "usage: orbisk-waits-bench DIR   (writes full.rcf, other.rcf and other.csv there)\n");
    return 2;
  }
  const QString dir = app.arguments().at(1);
  auto full = std::make_unique<ConfigImage>();
  sim::buildFull(*full);
  auto other = std::make_unique<ConfigImage>(*full);
  changeEveryPhone(*other);
  const QString fullPath = dir + QStringLiteral("/full.rcf"), otherPath = dir + QStringLiteral("/other.rcf");
  const QString csvPath = dir + QStringLiteral("/other.csv");
  if (writeImageFile(fullPath, WriteMode::CreateAlways, *full) != WriteResult::Ok ||
      writeImageFile(otherPath, WriteMode::CreateAlways, *other) != WriteResult::Ok ||
      !write(csvPath, exportPhonesCsv(*other, 0xFFFF, CsvStyle::Standard))) {
    std::fprintf(stderr, "cannot write the files into %s\n", qPrintable(dir));
    return 1;
  }

  QuietPrompter prompter;
  TForm1 form(&prompter, Preferences(dir + QStringLiteral("/prefs.ini")));
  form.state().activated = true;  // no read of a receiver at the first activation
  form.show();
  QCoreApplication::processEvents();

  print("open full.rcf (16 x 200)", timed([&] { form.files().openNamed(fullPath); }));
  const ImportTimes imp = timeImport(form, csvPath);
  print("import 3,200 rows: file chosen -> dialog", imp.toDialog);
  print("import 3,200 rows: \"replace\" chosen", imp.toReplace);
  print("import 3,200 rows: import -> lists shown", imp.toDone);
  const bool imported = std::memcmp(form.state().image.record(0, 0), other->record(0, 0), kSlotCount * kTableSize) == 0;
  if (!imported) std::printf("the import did not bring the 3,200 telephones\n");
  print("compare with other.rcf (3,200 differences)", timed([&] { form.history().compareWithBackup(otherPath); }));
  form.files().openNamed(fullPath);
  print("find the last of 3,200 telephones", timed([&] { form.exchange().findNextPhone(QStringLiteral("+79031015199")); }));
  print("find a telephone that is not there", timed([&] { form.exchange().findNextPhone(QStringLiteral("+70000000000")); }));
  return 0;
}
