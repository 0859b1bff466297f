// Opening an rfc2217:// port: the COM-PORT-OPTION agreed, then the server's line set to the
// receiver's 1200 baud, 8N1, no flow control, DTR and RTS off, and confirmed by the server.
#include <QElapsedTimer>
#include <QTcpSocket>
#include <array>

#include "core/link/link_texts.h"
#include "core/link/tcp_serial_port.h"

namespace orbisk {
namespace {

using namespace telnet;

// A server answers a negotiation at once; a busy one on a slow network gets a few seconds.
constexpr int kNegotiationMs = 3000;
constexpr int kSliceMs = 10;
constexpr uint32_t kBaud = 1200;

QByteArray byteValue(uint8_t v) { return QByteArray(1, static_cast<char>(v)); }

QByteArray baudValue() {
  QByteArray v;
  for (int shift = 24; shift >= 0; shift -= 8) v.append(static_cast<char>((kBaud >> shift) & 0xFF));
  return v;
}

struct Setting {
  uint8_t command;
  QByteArray value;
};

// The settings the server must confirm; the modem lines and flow control follow unconfirmed,
// as a local port's open does not fail on modem lines a device cannot drive.
std::array<Setting, 4> lineSettings() {
  return {{{cpo::kSetBaudRate, baudValue()},
           {cpo::kSetDataSize, byteValue(8)},
           {cpo::kSetParity, byteValue(cpo::kParityNone)},
           {cpo::kSetStopSize, byteValue(cpo::kStopOne)}}};
}

}  // namespace

PortOpen TcpSerialPort::setLine() {
  send(telnet_->start());
  if (!waitUntil([this] { return telnet_->comPort() != Agreement::Pending; }, kNegotiationMs) ||
      telnet_->comPort() != Agreement::Agreed) {
    fail(text::LinkTexts::remoteNoComPort());
    return PortOpen::SettingsRefused;
  }
  const std::array<Setting, 4> settings = lineSettings();
  QByteArray wire;
  for (const Setting& s : settings) {
    telnet_->forget(s.command);
    wire += Codec::comPort(s.command, s.value);
  }
  for (uint8_t control : {cpo::kNoFlowControl, cpo::kNoInboundFlowControl, cpo::kDtrOff, cpo::kRtsOff})
    wire += Codec::comPort(cpo::kSetControl, byteValue(control));
  send(wire);
  const auto allAnswered = [&] {
    QByteArray v;
    for (const Setting& s : settings)
      if (!telnet_->answer(s.command, v)) return false;
    return true;
  };
  if (!waitUntil(allAnswered, kNegotiationMs)) {
    fail(gone_ ? text::LinkTexts::remoteDropped() : text::LinkTexts::remoteLineRefused());
    return PortOpen::SettingsRefused;
  }
  for (const Setting& s : settings)
    if (!confirmed(s.command, s.value)) {
      fail(text::LinkTexts::remoteLineRefused());
      return PortOpen::SettingsRefused;
    }
  return PortOpen::Ok;
}

bool TcpSerialPort::confirmed(uint8_t command, const QByteArray& value) const {
  QByteArray answer;
  return telnet_->answer(command, answer) && answer == value;
}

bool TcpSerialPort::waitUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (gone_ || cancelled() || waited.elapsed() > limitMs) return false;
    fill(kSliceMs);
    // Line bytes before the line is set are stale (the first send purges them anyway): drop
    // them now, so a server that floods cannot fill memory meanwhile.
    rx_.clear();
    rxPos_ = 0;
    if (hooks_.pump) hooks_.pump();
  }
  return true;
}

}  // namespace orbisk
