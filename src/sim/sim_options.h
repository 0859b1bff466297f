// The halvorn-sim command line.
#pragma once

#include <QString>
#include <QStringList>

#include "sim/serve_options.h"
#include "sim/sim_faults.h"

namespace orbisk::sim {

struct SimOptions {
  QString load;          // configuration file to serve; the sample when empty
  QString saveOnWrite;   // where each accepted write is saved
  QString sample;        // write the sample configuration here and exit
  QString link;          // symbolic link to the pseudo-terminal
  int tcpPort = -1;      // serve on this TCP port instead of a pseudo-terminal (0: any free one)
  QByteArray model;      // four model digits
  QByteArray firmware;   // four characters
  QByteArray channelTypes;  // sixteen characters, one per slot
  SimFaults faults;
  ServeOptions serve;
};

enum class ParseResult { Run, Exit, Error };

// Fills options from the arguments; on Exit or Error, message holds what to print.
ParseResult parseSimOptions(const QStringList& args, SimOptions& options, QString& message);

}  // namespace orbisk::sim
