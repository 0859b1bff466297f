#include "core/records/phone_codec.h"

#include <cstring>
#include <initializer_list>

namespace orbisk {
namespace {

constexpr uint8_t kEndMark = 0xB;

QByteArray chars(std::initializer_list<char> cs) { return QByteArray(cs.begin(), static_cast<qsizetype>(cs.size())); }

char hexDigit(int v) { return static_cast<char>(v <= 9 ? '0' + v : 'A' + (v - 10)); }

// Nibble of one number character; anything the coding cannot hold is the digit 0.
uint8_t numberNibble(char c) {
  if (c == '+') return 0xA;
  if (c == '*') return 0xC;
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  return 0;
}

bool endsNumber(char c, bool stopAtBlank) { return stopAtBlank && static_cast<unsigned char>(c) < 0x21; }

void packNumber(uint8_t* dest, const QByteArray& number, bool stopAtBlank) {
  std::memset(dest, 0, 8);
  const int n = static_cast<int>(number.size());
  for (int i = 0; i < 8; ++i) {
    const int hi = 2 * i;
    if (hi >= n || endsNumber(number[hi], stopAtBlank)) {
      dest[i] = kEndMark << 4;
      return;
    }
    dest[i] = static_cast<uint8_t>(numberNibble(number[hi]) << 4);
    const int lo = hi + 1;
    if (lo >= n || endsNumber(number[lo], stopAtBlank)) {
      dest[i] = static_cast<uint8_t>(dest[i] + kEndMark);
      return;
    }
    dest[i] = static_cast<uint8_t>(dest[i] + numberNibble(number[lo]));
  }
}

}  // namespace

uint8_t char2bcd(char c) {
  const auto s = static_cast<signed char>(c);
  return static_cast<uint8_t>(s < ':' ? s - 0x30 : s - 0x37);
}

char bcd2char1(uint8_t b) { return hexDigit(b >> 4); }
char bcd2char0(uint8_t b) { return hexDigit(b & 0x0F); }

void packtel_1(uint8_t* dest8, const QByteArray& number) { packNumber(dest8, number, false); }

void packtel(uint8_t* dest32, const QByteArray& number, const QByteArray& field, const QByteArray& comment) {
  std::memset(dest32, 0, 32);
  packNumber(dest32, number, true);
  auto v = [&](int k) -> int { return k < field.size() ? char2bcd(field[k]) : 0; };
  auto pair = [&](int k) { return static_cast<uint8_t>((v(k) * 16 + v(k + 1)) & 0xFF); };
  dest32[8] = pair(0);
  dest32[9] = pair(2);
  const int qualifier = field.size() > 4 && field[4] == 'E' ? 0x10 : 0x00;
  dest32[10] = static_cast<uint8_t>((qualifier + v(5)) & 0xFF);
  dest32[11] = pair(6);
  dest32[12] = static_cast<uint8_t>(v(8) & 0xFF);
  dest32[13] = pair(9);
  dest32[14] = pair(11);
  const int len = static_cast<int>(comment.size()) < kCommentSize ? static_cast<int>(comment.size()) : kCommentSize;
  std::memcpy(dest32 + 16, comment.constData(), static_cast<size_t>(len));
}

QByteArray raspactel(const uint8_t* packed8, Decoding how) {
  QByteArray out;
  for (int i = 0; i < 16; ++i) {
    const uint8_t nib = (i % 2 == 0) ? packed8[i / 2] >> 4 : packed8[i / 2] & 0x0F;
    if (nib == kEndMark) return out;
    if (nib == 0xA) out.append('+');
    else if (nib == 0xC) out.append('*');
    else if (nib <= 9) out.append(static_cast<char>('0' + nib));
  }
  return how == Decoding::Editor ? out : QByteArray();
}

QByteArray numobject(const uint8_t* rec) {
  return chars({bcd2char1(rec[8]), bcd2char0(rec[8]), bcd2char1(rec[9]), bcd2char0(rec[9])});
}

QByteArray kodsob(const uint8_t* rec) {
  const char q = (rec[10] >> 4) == 1 ? 'E' : 'R';
  return chars({q, bcd2char0(rec[10]), bcd2char1(rec[11]), bcd2char0(rec[11])});
}

QByteArray numzona(const uint8_t* rec) { return chars({bcd2char0(rec[12]), bcd2char1(rec[13]), bcd2char0(rec[13])}); }

QByteArray numrazdel(const uint8_t* rec) { return chars({bcd2char1(rec[14]), bcd2char0(rec[14])}); }

QByteArray commentText(const uint8_t* rec) {
  int n = 0;
  while (n < kCommentSize && rec[16 + n] != 0) ++n;
  return QByteArray(reinterpret_cast<const char*>(rec + 16), n);
}

QByteArray fieldString(const uint8_t* rec) { return numobject(rec) + kodsob(rec) + numzona(rec) + numrazdel(rec); }

}  // namespace orbisk
