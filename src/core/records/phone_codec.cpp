#include "core/records/phone_codec.h"

#include <cstring>

#include "core/image/cp1251.h"
#include "core/image/image_views.h"

namespace orbisk {
namespace {

// The symbol of each nibble; 0 for the end mark and the nibbles no number holds, which are skipped.
constexpr char kNumberSymbols[16] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '+', 0, '*', 0, 0, 0};

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
  std::memset(dest, 0, kPackedNumberSize);
  const int n = static_cast<int>(number.size());
  for (int i = 0; i < kPackedNumberSize; ++i) {
    const int hi = 2 * i;
    if (hi >= n || endsNumber(number[hi], stopAtBlank)) {
      dest[i] = kNumberEnd << 4;
      return;
    }
    dest[i] = static_cast<uint8_t>(numberNibble(number[hi]) << 4);
    const int lo = hi + 1;
    if (lo >= n || endsNumber(number[lo], stopAtBlank)) {
      dest[i] = static_cast<uint8_t>(dest[i] + kNumberEnd);
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
  std::memset(dest32, 0, kRecordSize);
  const PhoneRecord<uint8_t> rec(dest32);
  packNumber(rec.number(), number, true);
  auto v = [&](int k) -> int { return k < field.size() ? char2bcd(field[k]) : 0; };
  auto pair = [&](int k) { return static_cast<uint8_t>((v(k) * 16 + v(k + 1)) & 0xFF); };
  rec.object()[0] = pair(0);
  rec.object()[1] = pair(2);
  const int qualifier = field.size() > 4 && field[4] == 'E' ? 0x10 : 0x00;
  rec.event()[0] = static_cast<uint8_t>((qualifier + v(5)) & 0xFF);
  rec.event()[1] = pair(6);
  rec.zone()[0] = static_cast<uint8_t>(v(8) & 0xFF);
  rec.zone()[1] = pair(9);
  rec.partition() = pair(11);
  const int len = static_cast<int>(comment.size()) < kCommentSize ? static_cast<int>(comment.size()) : kCommentSize;
  std::memcpy(rec.comment(), comment.constData(), static_cast<size_t>(len));
}

int numberChars(const uint8_t* packed8, Decoding how, char* out16) {
  int n = 0;
  for (int i = 0; i < kPackedNumberSize; ++i) {
    for (const uint8_t nib : {static_cast<uint8_t>(packed8[i] >> 4), static_cast<uint8_t>(packed8[i] & 0x0F)}) {
      if (nib == kNumberEnd) return n;
      out16[n] = kNumberSymbols[nib];
      n += out16[n] != 0;
    }
  }
  return how == Decoding::Editor ? n : 0;
}

QByteArray raspactel(const uint8_t* packed8, Decoding how) {
  char out[2 * kPackedNumberSize];
  return QByteArray(out, numberChars(packed8, how, out));
}

void fieldChars(const uint8_t* record, char* out13) {
  const PhoneRecord<const uint8_t> rec(record);
  const uint8_t* o = rec.object();
  const uint8_t* e = rec.event();
  const uint8_t* z = rec.zone();
  const uint8_t p = rec.partition();
  const char f[kFieldStringLength] = {bcd2char1(o[0]), bcd2char0(o[0]), bcd2char1(o[1]), bcd2char0(o[1]),
                                      rec.eventQualifierE() ? 'E' : 'R', bcd2char0(e[0]), bcd2char1(e[1]), bcd2char0(e[1]),
                                      bcd2char0(z[0]), bcd2char1(z[1]), bcd2char0(z[1]),
                                      bcd2char1(p), bcd2char0(p)};
  std::memcpy(out13, f, sizeof f);
}

namespace {

QByteArray fieldPart(const uint8_t* rec, FieldChars part) {
  char f[kFieldStringLength];
  fieldChars(rec, f);
  return QByteArray(f + part.from, part.length);
}

}  // namespace

QByteArray numobject(const uint8_t* rec) { return fieldPart(rec, kObjectChars); }
QByteArray kodsob(const uint8_t* rec) { return fieldPart(rec, kEventChars); }
QByteArray numzona(const uint8_t* rec) { return fieldPart(rec, kZoneChars); }
QByteArray numrazdel(const uint8_t* rec) { return fieldPart(rec, kPartitionChars); }

QByteArray commentText(const uint8_t* rec) { return commentChars(rec).toByteArray(); }

QByteArrayView commentChars(const uint8_t* rec) { return zeroEndedView(PhoneRecord<const uint8_t>(rec).comment(), kCommentSize); }

QByteArray fieldString(const uint8_t* rec) { return fieldPart(rec, {0, kFieldStringLength}); }

}  // namespace orbisk
