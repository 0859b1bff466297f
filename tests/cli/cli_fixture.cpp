#include "cli_fixture.h"

#include <QDir>

#include "core/files/rcf_file.h"
#include "sim/sample_config.h"

namespace orbisk::test {

CliFixture::CliFixture() {
  sim::buildSample(engine.memory());
  engine.setClock(ClockBytes{0x30, 0x15, 0x10, 0x24, 0x06, 0x21}, 0);  // 24.06.21 10:15:30
  env.out = [this](const QString& t) { out += t; };
  env.err = [this](const QString& t) { err += t; };
  env.readLine = [this](QString& l) {
    if (input.empty()) return false;
    l = input.front();
    input.pop_front();
    return true;
  };
  env.ports = line.factory();
  env.clock = &clock;
  env.interrupted = [this] { return interruptAfterPolls >= 0 && ++polls > interruptAfterPolls; };
}

int CliFixture::run(const QStringList& args) {
  out.clear();
  err.clear();
  clock.advance(1000);  // commands from a script are never in the same millisecond
  return cli::run(args, env);
}

void CliFixture::saveConfig(const QString& path, ConfigImage& img) {
  ASSERT_EQ(writeImageFile(path, WriteMode::CreateAlways, img), WriteResult::Ok);
}

QStringList CliFixture::filesInDir() const {
  return QDir(dir.root()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace orbisk::test
