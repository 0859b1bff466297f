// The command line: what is accepted, what is refused, and the exit statuses.
#include <gtest/gtest.h>

#include "cli/backup_session.h"
#include "cli_fixture.h"

namespace orbisk::test {
namespace {

using cli::status::kOk;
using cli::status::kUsage;

class ArgsTest : public CliFixture {};

TEST_F(ArgsTest, HelpAndVersionGoToStandardOutput) {
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"read", "--help"}}) {
    EXPECT_EQ(run(args), kOk) << args.join(' ').toStdString();
    EXPECT_TRUE(out.contains("orbisk-cli clear-events --port PORT")) << out.toStdString();
    EXPECT_TRUE(err.isEmpty());
  }
  EXPECT_EQ(run({"--version"}), kOk);
  EXPECT_TRUE(out.startsWith("orbisk-cli ")) << out.toStdString();
  EXPECT_EQ(line.opens, 0);
}

TEST_F(ArgsTest, NoArgumentsPrintsUsageAsAnError) {
  EXPECT_EQ(run({}), kUsage);
  EXPECT_TRUE(out.isEmpty());
  EXPECT_TRUE(err.contains("Usage:"));
}

TEST_F(ArgsTest, UnusableCommandLinesAreRefusedBeforeAnythingHappens) {
  struct Case {
    QStringList args;
    const char* says;
  };
  const Case cases[] = {
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"read", "--port", "p"}, "'read' needs --out FILE"},
      {{"read", "--out", "f.rcf"}, "'read' needs --port PORT or --receiver NAME"},
      {{"write", "--port", "p"}, "'write' needs a configuration FILE"},
      {{"write", "--port", "p", "a.rcf", "b.rcf"}, "unexpected argument 'b.rcf'"},
      {{"show"}, "'show' needs a configuration FILE"},
      {{"show", "f.rcf", "--port", "p"}, "option --port does not apply to 'show'"},
      {{"read", "--port", "p", "--out", "f.rcf", "--yes"}, "option --yes does not apply to 'read'"},
      {{"clock", "--port"}, "option --port needs a value"},
      {{"clock", "--port", "p", "--sync=1"}, "option --sync takes no value"},
      {{"clock", "--port", "a", "--port", "b"}, "option --port given more than once"},
      {{"show", "--colour", "f.rcf"}, "unknown option '--colour'"},
      {{"clear-events", "--port", "p", "now"}, "unexpected argument 'now'"},
      {{"backup", "--port", "p"}, "'backup' needs --dir DIR"},
      {{"backup", "--dir", "d"}, "'backup' needs --port PORT, --receiver NAME or --all"},
      {{"backup", "--dir", "d", "--port", "p", "--port", "q", "--port", "p"}, "port p given more than once"},
      {{"backup", "--dir", "d", "--port", "p", "--jobs", "two"}, "--jobs needs a number of 1 or more"},
      {{"backup", "--dir", "d", "--dir", "e", "--port", "p"}, "option --dir given more than once"},
  };
  for (const Case& c : cases) {
    const std::string args = c.args.join(' ').toStdString();
    EXPECT_EQ(run(c.args), kUsage) << args;
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << args << ": " << err.toStdString();
    EXPECT_TRUE(err.contains("Try 'orbisk-cli --help'.")) << args;
    EXPECT_TRUE(out.isEmpty()) << args;
  }
  EXPECT_EQ(line.opens, 0);
}

TEST_F(ArgsTest, OptionsMayComeAnywhereAndTakeTheirValueEitherWay) {
  EXPECT_EQ(run({"--port=/dev/ttyS7", "clear-events"}), kOk) << err.toStdString();
  EXPECT_EQ(line.openedName, "/dev/ttyS7");
  EXPECT_EQ(run({"clear-events", "--port", "/dev/ttyUSB3"}), kOk);
  EXPECT_EQ(line.openedName, "/dev/ttyUSB3");
}

TEST_F(ArgsTest, DoubleDashLetsAFileNameBeginWithADash) {
  ConfigImage img;
  img.resetNew();
  saveConfig(dir.path("-odd.rcf"), img);
  EXPECT_EQ(run({"show", "--", "-odd.rcf"}), kOk) << err.toStdString();
  EXPECT_TRUE(out.startsWith(QStringLiteral("Настройки приемника:")));
  EXPECT_EQ(run({"show", "-odd.rcf"}), kUsage);
}

TEST_F(ArgsTest, BackupNamesItsFilesAfterThePortDevice) {
  EXPECT_EQ(cli::portFileName("/dev/ttyUSB3"), "ttyUSB3");
  EXPECT_EQ(cli::portFileName("/dev/pts/5"), "pts_5");
  EXPECT_EQ(cli::portFileName("COM3"), "COM3");
  EXPECT_EQ(cli::portFileName("\\\\.\\COM12"), "COM12");
  EXPECT_EQ(cli::portFileName("../../etc/x y"), "_.._etc_x_y");  // never a path of its own
  EXPECT_EQ(cli::portFileName("/dev/"), "port");
}

}  // namespace
}  // namespace orbisk::test
