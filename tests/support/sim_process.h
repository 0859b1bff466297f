// halvorn-sim started as a child process for tests that go over a real pseudo-terminal.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orbisk::test {

class SimProcess {
 public:
  // Where the build put halvorn-sim, from ORBISK_TEST_BIN_DIR; empty when unknown.
  static QString binary();
  ~SimProcess();
  // Starts the simulator and reads the device path from its first line.
  bool start(const QStringList& args);
  QString device() const { return device_; }
  // Ends the simulator at once, as a pulled adapter would leave the line.
  void kill();
  // Runs the binary to completion (for --sample, --help).
  static int run(const QStringList& args, QByteArray* output = nullptr);

 private:
  QProcess process_;
  QString device_;
};

}  // namespace orbisk::test
