// Telnet as serial-device servers speak it: line data with every 0xFF doubled, option
// negotiation, and the COM-PORT-OPTION (RFC 2217) that sets the server's line. No socket here,
// so the byte handling can be tested on its own, split anywhere.
#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace orbisk::telnet {

constexpr uint8_t kIac = 255;
constexpr uint8_t kDont = 254;
constexpr uint8_t kDo = 253;
constexpr uint8_t kWont = 252;
constexpr uint8_t kWill = 251;
constexpr uint8_t kSb = 250;
constexpr uint8_t kSe = 240;

constexpr uint8_t kBinary = 0;
constexpr uint8_t kSuppressGoAhead = 3;
constexpr uint8_t kComPort = 44;

// COM-PORT-OPTION commands as the client sends them; the server answers with the code + 100.
namespace cpo {
constexpr uint8_t kSetBaudRate = 1;
constexpr uint8_t kSetDataSize = 2;
constexpr uint8_t kSetParity = 3;
constexpr uint8_t kSetStopSize = 4;
constexpr uint8_t kSetControl = 5;
constexpr uint8_t kPurgeData = 12;
constexpr uint8_t kServerOffset = 100;

constexpr uint8_t kParityNone = 1;
constexpr uint8_t kStopOne = 1;
constexpr uint8_t kNoFlowControl = 1;
constexpr uint8_t kDtrOff = 9;
constexpr uint8_t kRtsOff = 12;
constexpr uint8_t kNoInboundFlowControl = 14;
constexpr uint8_t kPurgeReceived = 1;  // what the server has received from the line
}  // namespace cpo

enum class Agreement { Pending, Agreed, Refused };

class Codec {
 public:
  // The opening offer: we speak the COM-PORT-OPTION, and binary both ways, so that no byte of a
  // configuration is taken for a line end.
  QByteArray start();
  // Line data as it goes on the wire.
  static QByteArray escape(const uint8_t* bytes, int n);
  // One COM-PORT-OPTION command with its value.
  static QByteArray comPort(uint8_t command, const QByteArray& value);

  // Bytes from the server, in pieces of any size: the line's bytes are appended to data, the
  // answers the server's own negotiation needs to reply.
  void receive(const char* bytes, qsizetype n, QByteArray& data, QByteArray& reply);

  Agreement comPort() const;
  // The server's last answer to a command (its value), false when none has come since forget().
  bool answer(uint8_t command, QByteArray& value) const;
  void forget(uint8_t command);

 private:
  enum class State { Data, Iac, Verb, Sub, SubIac };
  enum Side : uint8_t { kNo, kWantYes, kYes };

  void command(uint8_t verb, uint8_t option, QByteArray& reply);
  void asked(std::array<uint8_t, 256>& side, bool supported, uint8_t agree, uint8_t refuse, uint8_t option,
             QByteArray& reply);
  void stopped(std::array<uint8_t, 256>& side, uint8_t confirm, uint8_t option, QByteArray& reply);
  void subnegotiation();

  State state_ = State::Data;
  uint8_t verb_ = 0;
  QByteArray sub_;
  bool subTooLong_ = false;
  bool comPortRefused_ = false;
  std::array<uint8_t, 256> us_{};   // options we perform (WILL)
  std::array<uint8_t, 256> him_{};  // options the server performs
  std::array<QByteArray, cpo::kPurgeData + 1> answers_;
  std::array<bool, cpo::kPurgeData + 1> answered_{};
};

}  // namespace orbisk::telnet
