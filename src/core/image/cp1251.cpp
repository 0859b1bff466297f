#include "core/image/cp1251.h"

#include <array>

namespace orbisk {
namespace {

// Unicode of bytes 0x80..0xFF; the code page is fixed, so no converter library is needed.
// 0xFFFD marks the one byte (0x98) that has no character.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The byte of every character below U+0500 (Latin-1 and Cyrillic), 0 for none: a comment's
// letters are found in one step, not by a search of the 128 high bytes each.
constexpr int kLowRange = 0x500;
constexpr std::array<uint8_t, kLowRange> kLowBytes = [] {
  std::array<uint8_t, kLowRange> bytes{};
  for (size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] < kLowRange) bytes[kHigh[i]] = static_cast<uint8_t>(0x80 + i);
  return bytes;
}();

int byteFor(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80) return u;
  if (u < kLowRange) return kLowBytes[u] ? kLowBytes[u] : -1;
  for (size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == u && u != 0xFFFD) return static_cast<int>(0x80 + i);
  return -1;
}

// Written in place: appending character by character checked the room for every one of the
// thousands of comments a configuration holds.
void decode(const unsigned char* bytes, int length, char16_t* out) {
  for (int i = 0; i < length; ++i) out[i] = bytes[i] < 0x80 ? bytes[i] : kHigh[bytes[i] - 0x80];
}

}  // namespace

QString fromCp1251(const char* bytes, int length) {
  if (length <= 0) return QString();
  QString out(length, Qt::Uninitialized);
  decode(reinterpret_cast<const unsigned char*>(bytes), length, reinterpret_cast<char16_t*>(out.data()));
  return out;
}

QString fromCp1251(const QByteArray& bytes) { return fromCp1251(bytes.constData(), static_cast<int>(bytes.size())); }

QByteArray toCp1251(QStringView text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const int b = byteFor(c);
    out.append(static_cast<char>(b < 0 ? '?' : b));
  }
  return out;
}

bool fitsCp1251(QChar c) { return byteFor(c) >= 0; }

bool fitsCp1251(const QString& text) {
  for (QChar c : text)
    if (!fitsCp1251(c)) return false;
  return true;
}

namespace {

int zeroEndedLength(const uint8_t* bytes, int max) {
  int n = 0;
  while (n < max && bytes[n] != 0) ++n;
  return n;
}

}  // namespace

QByteArrayView zeroEndedView(const uint8_t* bytes, int max) {
  return QByteArrayView(reinterpret_cast<const char*>(bytes), zeroEndedLength(bytes, max));
}

QByteArray zeroEndedBytes(const uint8_t* bytes, int max) {
  return zeroEndedView(bytes, max).toByteArray();
}

QString zeroEndedText(const uint8_t* bytes, int max) {
  return fromCp1251(reinterpret_cast<const char*>(bytes), zeroEndedLength(bytes, max));
}

int zeroEndedChars(const uint8_t* bytes, int max, char16_t* out) {
  const int n = zeroEndedLength(bytes, max);
  decode(bytes, n, out);
  return n;
}

}  // namespace orbisk
