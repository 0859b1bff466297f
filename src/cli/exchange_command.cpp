// export and import: the telephone tables of a configuration file as CSV and back.
#include <QDir>
#include <memory>

#include "cli/commands.h"
#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_import.h"
#include "core/exchange/phone_xlsx.h"
#include "core/files/file_texts.h"
#include "core/files/safe_save.h"
#include "core/history/history_texts.h"
#include "core/image/expander_set.h"
#include "core/records/phone_codec.h"

namespace orbisk::cli {
namespace {

// "0".."F" (either case) as a slot number, or -1.
int parseSlot(const QString& s) {
  const QString v = s.trimmed().toUpper();
  if (v.size() != 1) return -1;
  const char c = v.front().toLatin1();
  if ((c < '0' || c > '9') && (c < 'A' || c > 'F')) return -1;
  return char2bcd(c);
}

void printLines(CliEnv& env, const QStringList& lines) {
  for (const QString& l : lines) env.err(l + u'\n');
}

const QString kNoXlsx = QStringLiteral(".xlsx is not available in this build (built without libxlsxwriter and libzip)");

int usage(CliEnv& env, const QString& message) {
  env.err(QStringLiteral("orbisk-cli: ") + message + u'\n');
  return status::kUsage;
}

int saveFailed(CliEnv& env, const QString& path, SaveCause cause) {
  env.err(path + QStringLiteral(": ") + text::FileTexts::saveFailed() + QStringLiteral(": ") +
          text::saveCauseText(cause) + u'\n');
  return status::kUsage;
}

}  // namespace

int runExport(const CliArgs& args, CliEnv& env) {
  auto img = std::make_unique<ConfigImage>();
  if (!loadConfig(args.file, *img, env, ReadAccess::ReadOnly)) return status::kUsage;
  const ExpanderSet set = expandersOf(*img);
  uint16_t slotMask = set.count > 0 ? set.mask : 0;
  if (!args.slot.isEmpty()) {
    const int slot = parseSlot(args.slot);
    if (slot < 0) return usage(env, QStringLiteral("--slot takes one character 0-9 or A-F"));
    if (!set.inUse(slot)) {
      env.err(args.file + QStringLiteral(": no expander in slot %1\n").arg(args.slot.toUpper()));
      return status::kUsage;
    }
    slotMask = static_cast<uint16_t>(1u << slot);
  }
  if (args.xlsx && args.excel) return usage(env, QStringLiteral("--excel and --xlsx exclude each other"));
  if (args.xlsx && !xlsxAvailable()) return usage(env, kNoXlsx);
  const QByteArray csv = args.xlsx ? exportPhonesXlsx(*img, slotMask)
                                   : exportPhonesCsv(*img, slotMask, args.excel ? CsvStyle::Excel : CsvStyle::Standard);
  if (csv.isEmpty()) return saveFailed(env, args.out.isEmpty() ? QStringLiteral("-") : args.out, SaveCause::Failed);
  if (args.out.isEmpty()) {
    if (env.outBytes) env.outBytes(csv);
    else env.out(QString::fromUtf8(csv));
    return status::kOk;
  }
  const SaveCause saved = writeCsvFile(args.out, csv);
  return saved == SaveCause::None ? status::kOk : saveFailed(env, args.out, saved);
}

int runImport(const CliArgs& args, CliEnv& env) {
  if (args.csv.isEmpty()) {
    env.err(QStringLiteral("orbisk-cli: 'import' needs --csv CSV\nTry 'orbisk-cli --help'.\n"));
    return status::kUsage;
  }
  auto img = std::make_unique<ConfigImage>();
  if (!loadConfig(args.file, *img, env)) return status::kUsage;
  QByteArray bytes;
  if (!readCsvFile(args.csv, bytes)) {
    env.err(args.csv + QStringLiteral(": ") + text::ExchangeTexts::importCannotRead() + u'\n');
    return status::kUsage;
  }
  auto result = std::make_unique<ConfigImage>();
  if (looksLikeXlsx(bytes) && !xlsxAvailable()) return usage(env, kNoXlsx);
  const ImportResult r = buildImport(*img, expandersOf(*img), readPhonesFile(bytes),
                                     args.replace ? ImportMode::Replace : ImportMode::Append, *result);
  if (!r.ok()) {
    printLines(env, r.errors);
    if (!r.notices.isEmpty()) printLines(env, QStringList{text::ExchangeTexts::importNoticesHeading()} + r.notices);
    return status::kUsage;
  }
  const QString target = args.out.isEmpty() ? args.file : args.out;
  const SaveOutcome saved = saveImageReplacing(target, *result);
  if (!saved.ok()) return saveFailed(env, target, saved.cause);
  if (!saved.replacedBackup.isEmpty())
    env.err(history::HistoryTexts::backupKept() + QDir::toNativeSeparators(saved.replacedBackup) + u'\n');
  if (!saved.backupProblem.isEmpty()) env.err(history::HistoryTexts::backupFailed() + saved.backupProblem + u'\n');
  printLines(env, importSummary(r));
  return status::kOk;
}

}  // namespace orbisk::cli
