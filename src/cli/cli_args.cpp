#include "cli/cli_args.h"

#include <QSet>
#include <array>

namespace orbisk::cli {
namespace {

struct KnownOption {
  const char* name;
  bool takesValue;
};

constexpr std::array<KnownOption, 24> kOptions{{
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
    {"--receiver", true},
    {"--all", false},
    {"--site", true},
    {"--number", true},
    {"--comment", true},
    {"--config", true},
    {"--since", true},
    {"--name", true},
}};

struct KnownCommand {
  const char* name;
  Command command;
  QStringList allowed;  // options this command accepts
  bool needsPort;
  bool needsOut;
  bool needsFile;
};

const std::array<KnownCommand, 12>& commands() {
  static const std::array<KnownCommand, 12> known{{
      {"read", Command::Read, {"--port", "--receiver", "--comment", "--out", "--trace", "--no-backup", "--verify"}, true, true, false},
      {"write", Command::Write, {"--port", "--receiver", "--comment", "--yes", "--trace", "--no-backup", "--no-verify"}, true, false, true},
      {"show", Command::Show, {"--json"}, false, false, true},
      {"clock", Command::Clock, {"--port", "--receiver", "--comment", "--sync", "--trace"}, true, false, false},
      {"clear-events", Command::ClearEvents, {"--port", "--receiver", "--comment", "--trace"}, true, false, false},
      {"export", Command::Export, {"--slot", "--excel", "--xlsx", "--out"}, false, false, true},
      {"import", Command::Import, {"--csv", "--replace", "--out"}, false, false, true},
      {"diff", Command::Diff, {"--json"}, false, false, true},
      {"report", Command::Report, {"--out"}, false, true, true},
      {"backup", Command::Backup, {"--port", "--receiver", "--all", "--comment", "--dir", "--jobs", "--json", "--verify"}, true, false, false},
      {"receivers", Command::Receivers, {"--port", "--site", "--number", "--comment", "--config", "--name", "--json"}, false, false, false},
      {"log", Command::Log, {"--receiver", "--since", "--json", "--out"}, false, false, false},
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
  else if (option == QLatin1String("--receiver")) a.receivers << value;
  else if (option == QLatin1String("--all")) a.all = true;
  else if (option == QLatin1String("--site")) a.site = value;
  else if (option == QLatin1String("--number")) a.number = value;
  else if (option == QLatin1String("--comment")) a.comment = value;
  else if (option == QLatin1String("--config")) a.config = value;
  else if (option == QLatin1String("--since")) a.since = value;
  else if (option == QLatin1String("--name")) a.name = value;
}

// Whether these options may come more than once (backup reads several receivers).
bool repeatable(const QString& name) { return name == QLatin1String("--port") || name == QLatin1String("--receiver"); }

// --receiver NAME stands for the port the register gives that receiver.
QString checkPortChoice(const CliArgs& a, const QStringList& seen, const KnownCommand& cmd) {
  const bool port = seen.contains(QLatin1String("--port")), receiver = seen.contains(QLatin1String("--receiver"));
  if (a.command == Command::Backup) {
    if (a.all && (port || receiver)) return QStringLiteral("'backup --all' takes no --port or --receiver");
    if (!a.all && !port && !receiver) return QStringLiteral("'backup' needs --port PORT, --receiver NAME or --all");
    return {};
  }
  if (a.ports.size() > 1) return QStringLiteral("option --port given more than once");
  if (a.receivers.size() > 1) return QStringLiteral("option --receiver given more than once");
  if (!cmd.needsPort) return {};
  if (port && receiver) return QStringLiteral("give either --port or --receiver, not both");
  if (!port && !receiver) return QStringLiteral("'%1' needs --port PORT or --receiver NAME").arg(QLatin1String(cmd.name));
  return {};
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
    // --port and --receiver may come again (backup reads several); whether that fits is known
    // with the command.
    if (seen.contains(name) && !repeatable(name))
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
  if (const QString problem = checkPortChoice(a, seen, *cmd); !problem.isEmpty()) return failed(problem);
  a.given = seen;
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
  if (a.command == Command::Receivers) {
    a.words = positionals;  // the action and the NAME, checked by the command
    positionals.clear();
  }
  if (!positionals.isEmpty()) return failed(QStringLiteral("unexpected argument '%1'").arg(positionals.first()));
  return a;
}

QString helpText() {
  return QStringLiteral(
      "Usage:\n"
      "  orbisk-cli read  --port PORT|--receiver NAME --out FILE [--verify] [--no-backup] [--trace FILE]\n"
      "                   [--comment TEXT]              read the whole configuration, check it, save it as FILE\n"
      "  orbisk-cli write --port PORT|--receiver NAME FILE [--yes] [--no-verify] [--no-backup] [--trace FILE]\n"
      "                   [--comment TEXT]              write FILE to the receiver, then read it back and compare\n"
      "  orbisk-cli show  FILE [--json]                 print a configuration file\n"
      "  orbisk-cli diff  A B [--json]                  what differs between two configuration files\n"
      "  orbisk-cli clock --port PORT|--receiver NAME [--sync] [--trace FILE] [--comment TEXT]\n"
      "                                                 compare clocks, or set the receiver's clock\n"
      "  orbisk-cli clear-events --port PORT|--receiver NAME [--trace FILE] [--comment TEXT]\n"
      "                                                 clear the receiver's event buffer\n"
      "  orbisk-cli export FILE [--slot S] [--excel | --xlsx] [--out CSV]\n"
      "                                                 telephones of FILE as CSV or .xlsx (standard output\n"
      "                                                 without --out)\n"
      "  orbisk-cli import FILE --csv CSV [--replace] [--out NEWFILE]\n"
      "                                                 telephones from CSV into FILE, or into a copy NEWFILE\n"
      "  orbisk-cli report FILE --out REPORT            printable report of FILE: REPORT.pdf or .html\n"
      "  orbisk-cli backup --port PORT|--receiver NAME [--port PORT|--receiver NAME ...] --dir DIR\n"
      "                    [--jobs N] [--verify] [--json] [--comment TEXT]\n"
      "                                                 read several receivers at once into DIR\n"
      "  orbisk-cli backup --all --dir DIR [--jobs N] [--verify] [--json] [--comment TEXT]\n"
      "                                                 read every receiver of the register into DIR\n"
      "  orbisk-cli receivers add NAME --port PORT [--site TEXT] [--number N] [--comment TEXT] [--config FILE]\n"
      "                                                 put a receiver into the register\n"
      "  orbisk-cli receivers edit NAME [--name NEWNAME] [--port PORT] [--site TEXT] [--number N|--number -]\n"
      "                   [--comment TEXT] [--config FILE]  change what the register holds of a receiver\n"
      "  orbisk-cli receivers remove NAME               take a receiver out of the register (its log stays)\n"
      "  orbisk-cli receivers list [--json]             the receivers of the register\n"
      "  orbisk-cli log [--receiver NAME] [--since DATE] [--json] [--out CSV]\n"
      "                                                 the audit trail: every read, write, verification,\n"
      "                                                 clock setting, event clearing and memory test\n"
      "  orbisk-cli --help | --version\n"
      "\n"
      "Options:\n"
      "  --port PORT  serial port of the receiver, e.g. /dev/ttyUSB0 or COM3 (1200 baud, 8N1), or a\n"
      "               serial-device server's port: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT\n"
      "               (telnet; the server's line is set to 1200 8N1)\n"
      "  --out FILE   where read saves the configuration; FILE is replaced only after a whole read;\n"
      "               for export the CSV file, for import the new configuration file; for report\n"
      "               a PDF for .pdf, HTML for .html or .htm, replaced only when whole; for log the\n"
      "               trail as CSV (UTF-8, comma). Files are\n"
      "               written through a temporary file, fsync and a rename; a symlink is written\n"
      "               through; a name taken by a folder, a device or a pipe is refused\n"
      "  --yes        write a configuration without expanders without asking\n"
      "  --json       print the configuration (or the differences, the receivers, the log) as JSON\n"
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
      "  --receiver NAME  the receiver of that name in the register, on the port the register gives it;\n"
      "               its backups are named after it (NAME_YYYY-MM-DD_HH-MM-SS.rcf); for log: its\n"
      "               entries only\n"
      "  --all        backup: every receiver in the register, files named after the receivers\n"
      "  --comment TEXT  receivers: the receiver's comment; read, write, clock, clear-events, backup:\n"
      "               a comment kept with the entry of the audit trail\n"
      "  --site TEXT  receivers: where the receiver is (an address or a description)\n"
      "  --number N   receivers: the receiver number it is expected to have (0-15; '-' for none); a\n"
      "               read that finds another number says so\n"
      "  --config FILE  receivers: the file that is the receiver's current configuration\n"
      "  --name NEWNAME  receivers edit: a new name\n"
      "  --since DATE  log: entries from DATE on (YYYY-MM-DD, or YYYY-MM-DDTHH:MM:SS), local time\n"
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
      "$ORBISK_BACKUP_DIR, else in orbsk/backups under the user's data folder (a register\n"
      "receiver's in a folder of its name there); a backup that cannot be kept is told on\n"
      "standard error and does not fail the transfer.\n"
      "A configuration file replaced by a save is kept there first (_replaced.rcf).\n"
      "\n"
      "The register of receivers and the audit trail are kept in $ORBISK_DATA_DIR/orbisk.sqlite,\n"
      "else in orbsk/orbisk.sqlite under the user's data folder. Every read, write, verification,\n"
      "clock setting and event clearing is logged there with the time, the user, the receiver (or\n"
      "the port) and the result; a log that cannot be written is told on standard error and does\n"
      "not fail the command.\n"
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
