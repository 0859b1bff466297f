#include "core/link/tcp_serial_port.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "core/link/link_texts.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace orbisk {
namespace {

constexpr int kByteWaitMs = 10;
constexpr int kSliceMs = 10;
// A device server on a LAN answers in milliseconds; a name lookup and a slow WAN get a few seconds.
constexpr int kConnectMs = 5000;
// 1200 baud, ten bits a byte with start and stop bit.
constexpr qint64 kByteLineUs = 1000000 * 10 / 1200;
// The socket's own buffer; a server that floods waits for us instead of filling memory.
constexpr qint64 kReadBufferBytes = 64 * 1024;
constexpr qint64 kReadChunk = 4096;
constexpr int kCloseWaitMs = 500;
int writeWaitMs(qsizetype n) { return 1000 + static_cast<int>(n) * 20; }

void sleepMs(qint64 ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

TcpSerialPort::TcpSerialPort(PortHooks hooks) : hooks_(std::move(hooks)) { clock_.start(); }

TcpSerialPort::~TcpSerialPort() { close(); }

PortOpen TcpSerialPort::open(const QString& name) {
  close();
  name_ = name;
  gone_ = told_ = false;
  RemotePortName address;
  if (!parseRemotePortName(name, address)) {
    fail(text::LinkTexts::remoteBadName());
    return PortOpen::Busy;
  }
  if (!connectTo(address)) {
    // Given up by the operator: the conversation ends quietly, as after an abort.
    if (cancelled()) return PortOpen::SettingsRefused;
    fail(connectFailure());
    return PortOpen::Busy;
  }
  if (address.kind == RemoteKind::Raw) return PortOpen::Ok;
  telnet_ = std::make_unique<telnet::Codec>();
  return setLine();
}

bool TcpSerialPort::connectTo(const RemotePortName& address) {
  socket_ = std::make_unique<QTcpSocket>();
  socket_->setReadBufferSize(kReadBufferBytes);
  // Connecting (and looking the name up) runs on events, in short slices: a dead host must
  // neither freeze the window nor outlast the time-out.
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(kSliceMs);
  QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(socket_.get(), &QAbstractSocket::connected, &loop, &QEventLoop::quit);
  QObject::connect(socket_.get(), &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
  tick.start();
  QElapsedTimer waited;
  waited.start();
  socket_->connectToHost(address.host, address.port);
  while (socket_->state() != QAbstractSocket::ConnectedState) {
    if (socket_->state() == QAbstractSocket::UnconnectedState) return false;
    if (cancelled() || waited.elapsed() > kConnectMs) {
      socket_->abort();
      return false;
    }
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (hooks_.pump) hooks_.pump();
  }
  QObject::disconnect(socket_.get(), nullptr, &loop, nullptr);
  // Each byte goes out at once: the receiver's replies are single bytes and short lines.
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
  return true;
}

QString TcpSerialPort::connectFailure() const {
  switch (socket_->error()) {
    case QAbstractSocket::ConnectionRefusedError:
      return text::LinkTexts::remoteRefused();
    case QAbstractSocket::HostNotFoundError:
      return text::LinkTexts::remoteHostNotFound();
    case QAbstractSocket::SocketTimeoutError:
      return text::LinkTexts::remoteTimedOut();
    default: break;
  }
  if (socket_->state() != QAbstractSocket::UnconnectedState || socket_->error() == QAbstractSocket::UnknownSocketError)
    return text::LinkTexts::remoteTimedOut();
  return text::LinkTexts::remoteUnreachable().arg(socket_->errorString());
}

void TcpSerialPort::fail(const QString& cause) {
  if (told_) return;
  told_ = true;
  if (hooks_.failed) hooks_.failed(name_, cause);
}

void TcpSerialPort::lost() {
  if (gone_) return;
  gone_ = true;
  fail(text::LinkTexts::remoteDropped());
}

void TcpSerialPort::fill(int waitMs) {
  if (!socket_) return;
  if (socket_->bytesAvailable() == 0 && socket_->state() == QAbstractSocket::ConnectedState)
    socket_->waitForReadyRead(waitMs);
  const QByteArray raw = socket_->read(kReadChunk);
  if (rxPos_ >= rx_.size()) {
    rx_.clear();
    rxPos_ = 0;
  }
  if (!telnet_) {
    rx_.append(raw);
  } else if (!raw.isEmpty()) {
    QByteArray reply;
    telnet_->receive(raw.constData(), raw.size(), rx_, reply);
    if (!reply.isEmpty()) socket_->write(reply);
  }
  if (socket_->bytesAvailable() == 0 && socket_->state() != QAbstractSocket::ConnectedState) lost();
}

bool TcpSerialPort::readByte(uint8_t& byte) { return readSome(&byte, 1) == 1; }

int TcpSerialPort::readSome(uint8_t* into, int max) {
  if (max <= 0) return 0;
  if (rxPos_ >= rx_.size()) {
    QElapsedTimer waited;
    waited.start();
    fill(gone_ ? 0 : kByteWaitMs);
    if (rxPos_ >= rx_.size()) {
      // A closed connection answers every wait at once: keep the caller's polling from spinning.
      sleepMs(kByteWaitMs - waited.elapsed());
      return 0;
    }
  }
  const qsizetype n = std::min<qsizetype>(max, rx_.size() - rxPos_);
  std::memcpy(into, rx_.constData() + rxPos_, static_cast<size_t>(n));
  rxPos_ += n;
  return static_cast<int>(n);
}

void TcpSerialPort::purge() {
  if (!socket_) return;
  // Whatever the server has already sent counts as received: take it in, then drop it.
  if (socket_->state() == QAbstractSocket::ConnectedState) socket_->waitForReadyRead(0);
  while (socket_->bytesAvailable() > 0) fill(0);
  rx_.clear();
  rxPos_ = 0;
  // And what it holds from the line but has not sent yet.
  if (telnet_ && telnet_->comPort() == telnet::Agreement::Agreed)
    send(telnet::Codec::comPort(telnet::cpo::kPurgeData, QByteArray(1, static_cast<char>(telnet::cpo::kPurgeReceived))));
}

bool TcpSerialPort::send(const QByteArray& wire) {
  if (!socket_ || gone_) return false;
  if (socket_->write(wire) != wire.size()) {
    lost();
    return false;
  }
  QElapsedTimer waited;
  waited.start();
  while (socket_->bytesToWrite() > 0) {
    if (socket_->state() != QAbstractSocket::ConnectedState) {
      lost();
      return false;
    }
    if (waited.elapsed() > writeWaitMs(wire.size())) return false;
    socket_->waitForBytesWritten(kSliceMs);
  }
  return true;
}

bool TcpSerialPort::write(const uint8_t* bytes, int n) {
  if (n <= 0) return true;
  const QByteArray wire = telnet_ ? telnet::Codec::escape(bytes, n)
                                  : QByteArray(reinterpret_cast<const char*>(bytes), n);
  if (!send(wire)) return false;
  drainLine(n);
  return true;
}

void TcpSerialPort::drainLine(int n) {
  // The server sends what it gets at once; the line takes its time, byte after byte. A local
  // port's write returns when the line is done, and the pauses and time-outs that follow
  // count from there: so does this one.
  const qint64 nowUs = clock_.nsecsElapsed() / 1000;
  lineFreeUs_ = std::max(lineFreeUs_, nowUs) + n * kByteLineUs;
  for (;;) {
    const qint64 leftUs = lineFreeUs_ - clock_.nsecsElapsed() / 1000;
    if (leftUs <= 0 || gone_ || cancelled()) return;
    sleepMs(std::min<qint64>((leftUs + 999) / 1000, kSliceMs));
    if (hooks_.pump) hooks_.pump();
  }
}

void TcpSerialPort::close() {
  if (socket_) {
    awaitServerClose();
    socket_->abort();
    socket_.reset();
  }
  telnet_.reset();
  rx_.clear();
  rxPos_ = 0;
  lineFreeUs_ = 0;
}

void TcpSerialPort::awaitServerClose() {
#ifdef Q_OS_UNIX
  // The server lets the device go when it sees our end; the next conversation, maybe a moment
  // later, finds it free only once the server has closed its end too.
  if (socket_->state() != QAbstractSocket::ConnectedState || gone_) return;
  ::shutdown(static_cast<int>(socket_->socketDescriptor()), SHUT_WR);
  QElapsedTimer waited;
  waited.start();
  while (socket_->state() == QAbstractSocket::ConnectedState && waited.elapsed() < kCloseWaitMs) {
    socket_->waitForReadyRead(kSliceMs);
    socket_->readAll();
    if (hooks_.pump) hooks_.pump();
  }
#endif
}

}  // namespace orbisk
