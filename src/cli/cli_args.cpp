#include "cli/cli_args.h"

#include <QSet>
#include <array>

namespace orbisk::cli {
namespace {

struct KnownOption {
  const char* name;
  bool takesValue;
};

constexpr std::array<KnownOption, 16> kOptions{{
    {"--port", true},
    {"--trace", true},
    {"--out", true},
    {"--yes", false},
    {"--json", false},
    {"--sync", false},
    {"--slot", true},
    {"--excel", false},
    {"--xlsx", false},
    {"--csv", true},
    {"--replace", false},
    {"--no-backup", false},
    {"--dir", true},
    {"--jobs", true},
    {"--verify", false},
    {"--no-verify", false},
}};

struct KnownCommand {
  const char* name;
  Command command;
  QStringList allowed;  // options this command accepts
  bool needsPort;
  bool needsOut;
  bool needsFile;
};

const std::array<KnownCommand, 10>& commands() {
  static const std::array<KnownCommand, 10> known{{
      {"read", Command::Read, {"--port", "--out", "--trace", "--no-backup", "--verify"}, true, true, false},
      {"write", Command::Write, {"--port", "--yes", "--trace", "--no-backup", "--no-verify"}, true, false, true},
      {"show", Command::Show, {"--json"}, false, false, true},
      {"clock", Command::Clock, {"--port", "--sync", "--trace"}, true, false, false},
      {"clear-events", Command::ClearEvents, {"--port", "--trace"}, true, false, false},
      {"export", Command::Export, {"--slot", "--excel", "--xlsx", "--out"}, false, false, true},
      {"import", Command::Import, {"--csv", "--replace", "--out"}, false, false, true},
      {"diff", Command::Diff, {"--json"}, false, false, true},
      {"report", Command::Report, {"--out"}, false, true, true},
      {"backup", Command::Backup, {"--port", "--dir", "--jobs", "--json", "--verify"}, true, false, false},
  }};
  return known;
}

const KnownOption* findOption(const QString& name) {
  for (const KnownOption& o : kOptions)
    if (name == QLatin1String(o.name)) return &o;
  return nullptr;
}

const KnownCommand* findCommand(const QString& name) {
  for (const KnownCommand& c : commands())
    if (name == QLatin1String(c.name)) return &c;
  return nullptr;
}

CliArgs failed(const QString& message) {
  CliArgs a;
  a.error = message;
  return a;
}

void store(CliArgs& a, const QString& option, const QString& value) {
  if (option == QLatin1String("--port")) {
    if (a.ports.isEmpty()) a.port = value;
    a.ports << value;
  }
  else if (option == QLatin1String("--out")) a.out = value;
  else if (option == QLatin1String("--yes")) a.yes = true;
  else if (option == QLatin1String("--json")) a.json = true;
  else if (option == QLatin1String("--sync")) a.sync = true;
  else if (option == QLatin1String("--trace")) a.trace = value;
  else if (option == QLatin1String("--slot")) a.slot = value;
  else if (option == QLatin1String("--excel")) a.excel = true;
  else if (option == QLatin1String("--xlsx")) a.xlsx = true;
  else if (option == QLatin1String("--csv")) a.csv = value;
  else if (option == QLatin1String("--replace")) a.replace = true;
  else if (option == QLatin1String("--no-backup")) a.noBackup = true;
  else if (option == QLatin1String("--dir")) a.dir = value;
  else if (option == QLatin1String("--jobs")) a.jobs = value;
  else if (option == QLatin1String("--verify")) a.verify = true;
  else if (option == QLatin1String("--no-verify")) a.noVerify = true;
}

}  // namespace

CliArgs parseArgs(const QStringList& args) {
  CliArgs a;
  QStringList positionals;
  QStringList seen;
  bool optionsEnded = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args.at(i);
    // "--" lets a file name that begins with a dash through.
    if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
      positionals << arg;
      continue;
    }
    if (arg == QLatin1String("--")) {
      optionsEnded = true;
      continue;
    }
    if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) return CliArgs{};
    if (arg == QLatin1String("--version")) {
      a.command = Command::Version;
      return a;
    }
    const qsizetype eq = arg.indexOf(u'=');
    const QString name = eq < 0 ? arg : arg.left(eq);
    const KnownOption* option = findOption(name);
    if (!option) return failed(QStringLiteral("unknown option '%1'").arg(name));
    // --port may come again (backup reads several); whether that fits is known with the command.
    if (seen.contains(name) && name != QLatin1String("--port"))
      return failed(QStringLiteral("option %1 given more than once").arg(name));
    if (!seen.contains(name)) seen << name;
    QString value;
    if (option->takesValue) {
      if (eq >= 0) value = arg.mid(eq + 1);
      else if (i + 1 < args.size()) value = args.at(++i);
      else return failed(QStringLiteral("option %1 needs a value").arg(name));
    } else if (eq >= 0) {
      return failed(QStringLiteral("option %1 takes no value").arg(name));
    }
    store(a, name, value);
  }

  if (positionals.isEmpty()) return failed(QStringLiteral("no command given"));
  const QString name = positionals.takeFirst();
  const KnownCommand* cmd = findCommand(name);
  if (!cmd) return failed(QStringLiteral("unknown command '%1'").arg(name));
  a.command = cmd->command;
  for (const QString& option : seen)
    if (!cmd->allowed.contains(option))
      return failed(QStringLiteral("option %1 does not apply to '%2'").arg(option, name));
  if (a.ports.size() > 1 && a.command != Command::Backup)
    return failed(QStringLiteral("option --port given more than once"));
  if (cmd->needsPort && !seen.contains(QLatin1String("--port")))
    return failed(QStringLiteral("'%1' needs --port PORT").arg(name));
  if (cmd->needsOut && !seen.contains(QLatin1String("--out")))
    return failed(QStringLiteral("'%1' needs --out FILE").arg(name));
  if (cmd->needsFile) {
    if (positionals.isEmpty()) return failed(QStringLiteral("'%1' needs a configuration FILE").arg(name));
    a.file = positionals.takeFirst();
  }
  if (a.command == Command::Diff) {
    if (positionals.isEmpty()) return failed(QStringLiteral("'diff' needs two configuration files"));
    a.file2 = positionals.takeFirst();
  }
  if (!positionals.isEmpty()) return failed(QStringLiteral("unexpected argument '%1'").arg(positionals.first()));
  return a;
}

QString helpText() {
  return QStringLiteral(
      "Usage:\n"
      "  orbisk-cli read  --port PORT --out FILE [--verify] [--no-backup] [--trace FILE]\n"
      "                                                 read the whole configuration, check it, save it as FILE\n"
      "  orbisk-cli write --port PORT FILE [--yes] [--no-verify] [--no-backup] [--trace FILE]\n"
      "                                                 write FILE to the receiver, then read it back and compare\n"
      "  orbisk-cli show  FILE [--json]                 print a configuration file\n"
      "  orbisk-cli diff  A B [--json]                  what differs between two configuration files\n"
      "  orbisk-cli clock --port PORT [--sync] [--trace FILE]\n"
      "                                                 compare clocks, or set the receiver's clock\n"
      "  orbisk-cli clear-events --port PORT [--trace FILE]\n"
      "                                                 clear the receiver's event buffer\n"
      "  orbisk-cli export FILE [--slot S] [--excel | --xlsx] [--out CSV]\n"
      "                                                 telephones of FILE as CSV or .xlsx (standard output\n"
      "                                                 without --out)\n"
      "  orbisk-cli import FILE --csv CSV [--replace] [--out NEWFILE]\n"
      "                                                 telephones from CSV into FILE, or into a copy NEWFILE\n"
      "  orbisk-cli report FILE --out REPORT            printable report of FILE: REPORT.pdf or .html\n"
      "  orbisk-cli backup --port PORT [--port PORT ...] --dir DIR [--jobs N] [--verify] [--json]\n"
      "                                                 read several receivers at once into DIR\n"
      "  orbisk-cli --help | --version\n"
      "\n"
      "Options:\n"
      "  --port PORT  serial port of the receiver, e.g. /dev/ttyUSB0 or COM3 (1200 baud, 8N1), or a\n"
      "               serial-device server's port: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT\n"
      "               (telnet; the server's line is set to 1200 8N1)\n"
      "  --out FILE   where read saves the configuration; FILE is replaced only after a whole read;\n"
      "               for export the CSV file, for import the new configuration file; for report\n"
      "               a PDF for .pdf, HTML for .html or .htm, replaced only when whole. Files are\n"
      "               written through a temporary file, fsync and a rename; a symlink is written\n"
      "               through; a name taken by a folder, a device or a pipe is refused\n"
      "  --yes        write a configuration without expanders without asking\n"
      "  --json       print the configuration (or the differences) as one JSON object\n"
      "  --no-backup  keep no backup of what was read or written (see the backup folder below)\n"
      "  --verify     read, backup: read the receiver twice and save only when both reads agree\n"
      "  --no-verify  write: do not read the receiver back to compare it with what was sent\n"
      "  --sync       set the receiver's clock from this computer's clock\n"
      "  --trace FILE append a trace of every byte sent and received to FILE (read, write,\n"
      "               clock, clear-events), for support\n"
      "  --slot S     export only the expander in slot S (0-9, A-F)\n"
      "  --excel      export in code page 1251 with ';', every value quoted, as a spreadsheet on a\n"
      "               Russian Windows opens it (open it with the columns as Text to keep '+' and 0s)\n"
      "  --xlsx       export an .xlsx workbook with every cell stored as text: a spreadsheet keeps\n"
      "               '+' and leading 0s with its defaults (not in builds without libxlsxwriter)\n"
      "  --csv CSV    the telephones to import: UTF-8, UTF-16 with a byte-order mark or code page\n"
      "               1251, ',' ';' or tab; title rows above the header row are passed over; or an\n"
      "               .xlsx workbook (told by its content), first sheet, every cell read as the text\n"
      "               it holds; a cell the spreadsheet stored as a number is read as its plain\n"
      "               digits (never 1.2E+10) and named on standard error\n"
      "  --replace    replace the lists of the expanders the CSV names instead of appending; a value\n"
      "               a spreadsheet made a number of ('7282' where the list has '+7282') is an error;\n"
      "               import changes nothing when the CSV has any error (listed on standard error\n"
      "               with its line, as are values taken differently from how they read: 'E1' is E001)\n"
      "  --dir DIR    backup: the folder for the configurations read, each saved as\n"
      "               NAME_YYYY-MM-DD_HH-MM-SS.rcf, NAME from the port (/dev/ttyUSB3: ttyUSB3,\n"
      "               /dev/pts/5: pts_5, COM3: COM3, tcp://host:7001: tcp_host_7001); --json prints\n"
      "               the summary as JSON\n"
      "  --jobs N     backup: read at most N ports at the same time (default: all of them)\n"
      "  --           ends the options (for a FILE that begins with '-')\n"
      "\n"
      "Every read is checked before it is saved: telephone counts of at most 200, numbers\n"
      "made of valid digits, settings within their ranges, a model of four digits, a printable\n"
      "firmware version, nothing after the last block. A read is saved as the receiver sent it.\n"
      "\n"
      "Status and failure texts go to standard error; on a terminal long transfers show\n"
      "a progress bar there. Ctrl+C stops a transfer and leaves no partial file.\n"
      "\n"
      "Every read and write keeps a backup YYYY-MM-DD_HH-MM-SS_read.rcf (or _write.rcf) in\n"
      "$ORBISK_BACKUP_DIR, else in orbsk/backups under the user's data folder; a backup\n"
      "that cannot be kept is told on standard error and does not fail the transfer.\n"
      "A configuration file replaced by a save is kept there first (_replaced.rcf).\n"
      "\n"
      "Exit status (diff: 0 the same, 1 different, 2 trouble):\n"
      "  0    success\n"
      "  1    the port or the receiver failed (the text and the result code are printed)\n"
      "  2    bad usage; a file that cannot be read, is not a configuration file or cannot\n"
      "       be saved (told with the cause: no space, no permission, no such folder, not a\n"
      "       regular file; a read's backup is still kept); a CSV with errors; a configuration\n"
      "       without expanders not confirmed\n"
      "  3    read: what came looks damaged or two reads differ (FILE is not replaced; the read\n"
      "       is kept as YYYY-MM-DD_HH-MM-SS_suspect.rcf in the backup folder);\n"
      "       write: the receiver holds not what was written, or could not be read back: write again\n"
      "  130  interrupted by Ctrl+C\n");
}

QString versionText() { return QStringLiteral("orbisk-cli " ORBISK_VERSION "\n"); }

}  // namespace orbisk::cli
