#include "sim/pty_server.h"
#include "sim/line_pacer.h"
#include "sim/steady_time.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace orbisk::sim {
namespace {

constexpr int kIdlePollMs = 200;   // how often a stop request is noticed
constexpr int kHangupPollMs = 20;  // while no client holds the port open

QString systemError(const char* what) { return QString::fromLatin1(what) + ": " + QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

PtyServer::~PtyServer() {
  if (!link_.isEmpty()) QFile::remove(link_);
  if (master_ >= 0) ::close(master_);
}

bool PtyServer::open(QString& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) {
    error = systemError("posix_openpt");
    return false;
  }
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = systemError("grantpt/unlockpt");
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    error = systemError("ptsname");
    return false;
  }
  slave_ = QString::fromLocal8Bit(name);
  termios tio{};
  if (tcgetattr(master_, &tio) == 0) {
    cfmakeraw(&tio);
    cfsetispeed(&tio, B1200);
    cfsetospeed(&tio, B1200);
    tcsetattr(master_, TCSANOW, &tio);
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

bool PtyServer::makeLink(const QString& path, QString& error) {
  QFile::remove(path);
  if (::symlink(slave_.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0) {
    error = systemError("symlink");
    return false;
  }
  link_ = path;
  return true;
}

void PtyServer::serve(ReceiverEngine& engine, const ServeOptions& options, const std::atomic<bool>& stop) {
  QByteArray pending;  // replies not yet written
  LinePacer pacer(options);
  uint8_t buf[4096];
  QFile log(options.receivedLog);
  if (!options.receivedLog.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append))
    std::fprintf(stderr, "halvorn-sim: cannot write %s\n", qPrintable(options.receivedLog));
  while (!stop.load()) {
    int waitMs = kIdlePollMs;
    short events = POLLIN;
    if (!pending.isEmpty()) {
      const int64_t lateUs = pacer.waitUs();
      if (lateUs <= 0) events |= POLLOUT;
      else waitMs = static_cast<int>(lateUs / 1000) + 1;
    }
    pollfd p{master_, events, 0};
    if (poll(&p, 1, waitMs) < 0) continue;  // interrupted: look at stop again
    if (p.revents & POLLHUP) {
      // No client holds the port: whatever was under way is over.
      engine.reset();
      pending.clear();
      std::this_thread::sleep_for(std::chrono::milliseconds(kHangupPollMs));
      continue;
    }
    if (p.revents & POLLIN) {
      const ssize_t n = ::read(master_, buf, sizeof buf);
      if (n > 0) {
        if (log.isOpen()) {
          log.write(reinterpret_cast<const char*>(buf), n);
          log.flush();
        }
        const bool quiet = pending.isEmpty();
        pending.append(engine.feed(buf, static_cast<int>(n), steadyMs()));
        if (quiet) pacer.startedAfterQuiet();
      }
    }
    if ((p.revents & POLLOUT) && !pending.isEmpty()) {
      const ssize_t n = ::write(master_, pending.constData(), static_cast<size_t>(pacer.chunk(pending.size())));
      if (n > 0) {
        pending.remove(0, n);
        pacer.sent(n);
      }
    }
  }
}

}  // namespace orbisk::sim
