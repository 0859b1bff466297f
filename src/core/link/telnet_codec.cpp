#include "core/link/telnet_codec.h"

namespace orbisk::telnet {
namespace {

// Longer subnegotiations are not ours to read: COM-PORT-OPTION answers are a few bytes.
constexpr qsizetype kMaxSub = 64;

bool weWill(uint8_t option) { return option == kBinary || option == kComPort || option == kSuppressGoAhead; }
bool heMay(uint8_t option) { return option == kBinary || option == kSuppressGoAhead; }

void put(QByteArray& out, uint8_t verb, uint8_t option) {
  out.append(static_cast<char>(kIac));
  out.append(static_cast<char>(verb));
  out.append(static_cast<char>(option));
}

}  // namespace

QByteArray Codec::start() {
  QByteArray out;
  for (uint8_t o : {kComPort, kBinary}) {
    us_[o] = kWantYes;
    put(out, kWill, o);
  }
  him_[kBinary] = kWantYes;
  put(out, kDo, kBinary);
  return out;
}

QByteArray Codec::escape(const uint8_t* bytes, int n) {
  QByteArray out;
  out.reserve(n);
  for (int i = 0; i < n; ++i) {
    out.append(static_cast<char>(bytes[i]));
    if (bytes[i] == kIac) out.append(static_cast<char>(kIac));
  }
  return out;
}

QByteArray Codec::comPort(uint8_t command, const QByteArray& value) {
  QByteArray out;
  out.append(static_cast<char>(kIac));
  out.append(static_cast<char>(kSb));
  out.append(static_cast<char>(kComPort));
  out.append(static_cast<char>(command));
  out.append(escape(reinterpret_cast<const uint8_t*>(value.constData()), static_cast<int>(value.size())));
  out.append(static_cast<char>(kIac));
  out.append(static_cast<char>(kSe));
  return out;
}

void Codec::receive(const char* bytes, qsizetype n, QByteArray& data, QByteArray& reply) {
  for (qsizetype i = 0; i < n; ++i) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    switch (state_) {
      case State::Data:
        if (b == kIac) state_ = State::Iac;
        else data.append(static_cast<char>(b));
        break;
      case State::Iac:
        if (b == kIac) {
          data.append(static_cast<char>(b));
          state_ = State::Data;
        } else if (b == kSb) {
          sub_.clear();
          subTooLong_ = false;
          state_ = State::Sub;
        } else if (b >= kWill) {
          verb_ = b;
          state_ = State::Verb;
        } else {
          state_ = State::Data;  // NOP, GA and the like carry nothing for the line
        }
        break;
      case State::Verb:
        command(verb_, b, reply);
        state_ = State::Data;
        break;
      case State::Sub:
        if (b == kIac) state_ = State::SubIac;
        else if (sub_.size() < kMaxSub) sub_.append(static_cast<char>(b));
        else subTooLong_ = true;
        break;
      case State::SubIac:
        if (b == kIac) {
          if (sub_.size() < kMaxSub) sub_.append(static_cast<char>(b));
          else subTooLong_ = true;
          state_ = State::Sub;
        } else if (b == kSe) {
          if (!subTooLong_) subnegotiation();
          state_ = State::Data;
        } else {
          // A subnegotiation cut short by another command: drop it and take the command.
          state_ = State::Iac;
          --i;
        }
        break;
    }
  }
}

// The answers follow RFC 1143: a request we made is answered, never re-answered, so no two
// ends can keep each other negotiating. side is ours (asked by DO) or the server's (WILL).
void Codec::asked(std::array<uint8_t, 256>& side, bool supported, uint8_t agree, uint8_t refuse, uint8_t option,
                  QByteArray& reply) {
  if (side[option] == kYes) return;
  if (side[option] == kWantYes) {
    side[option] = kYes;
    return;
  }
  if (supported) side[option] = kYes;
  put(reply, supported ? agree : refuse, option);
}

void Codec::stopped(std::array<uint8_t, 256>& side, uint8_t confirm, uint8_t option, QByteArray& reply) {
  if (side[option] == kYes) put(reply, confirm, option);
  side[option] = kNo;
}

void Codec::command(uint8_t verb, uint8_t option, QByteArray& reply) {
  if (verb == kDo) {
    asked(us_, weWill(option), kWill, kWont, option, reply);
  } else if (verb == kWill) {
    asked(him_, heMay(option), kDo, kDont, option, reply);
  } else if (verb == kDont) {
    if (option == kComPort) comPortRefused_ = true;
    stopped(us_, kWont, option, reply);
  } else {
    stopped(him_, kDont, option, reply);
  }
}

void Codec::subnegotiation() {
  if (sub_.size() < 2 || static_cast<uint8_t>(sub_.at(0)) != kComPort) return;
  const int code = static_cast<uint8_t>(sub_.at(1)) - cpo::kServerOffset;
  if (code < 0 || code >= static_cast<int>(answers_.size())) return;
  answers_[static_cast<size_t>(code)] = sub_.mid(2);
  answered_[static_cast<size_t>(code)] = true;
}

Agreement Codec::comPort() const {
  if (comPortRefused_) return Agreement::Refused;
  return us_[kComPort] == kYes ? Agreement::Agreed : Agreement::Pending;
}

bool Codec::answer(uint8_t command, QByteArray& value) const {
  if (command >= answers_.size() || !answered_[command]) return false;
  value = answers_[command];
  return true;
}

void Codec::forget(uint8_t command) {
  if (command < answered_.size()) answered_[command] = false;
}

}  // namespace orbisk::telnet
