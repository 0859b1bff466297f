// The packed telephone number and the 32-byte telephone record.
// Texts here are code page 1251 bytes; widgets convert at their edge.
#pragma once

#include <QByteArray>
#include <cstdint>

#include "core/image/image_layout.h"

namespace orbisk {

constexpr int kFieldStringLength = 13;  // object 4, qualifier 1, event 3, zone 3, partition 2

// Where each cell's characters lie in the 13 field characters.
struct FieldChars {
  int from;
  int length;
};
constexpr FieldChars kObjectChars{0, 4};
constexpr FieldChars kEventChars{4, 4};  // the qualifier and the event
constexpr FieldChars kZoneChars{8, 3};
constexpr FieldChars kPartitionChars{11, 2};

uint8_t char2bcd(char c);
char bcd2char1(uint8_t b);  // high nibble as upper-case hex digit
char bcd2char0(uint8_t b);  // low nibble

// SIM numbers: ends only at the end of the text.
void packtel_1(uint8_t* dest8, const QByteArray& number);

// Whole record; the number also ends at the first space or control character.
// field must hold 13 characters.
void packtel(uint8_t* dest32, const QByteArray& number, const QByteArray& field, const QByteArray& comment);

enum class Decoding { MainWindow, Editor };
// A number of 16 symbols has no end mark: the main window shows it as empty, the editor whole.
QByteArray raspactel(const uint8_t* packed8, Decoding how);
// The same characters written to out16 without an allocation; returns how many.
int numberChars(const uint8_t* packed8, Decoding how, char* out16);

QByteArray numobject(const uint8_t* rec);
QByteArray kodsob(const uint8_t* rec);
QByteArray numzona(const uint8_t* rec);
QByteArray numrazdel(const uint8_t* rec);
QByteArray commentText(const uint8_t* rec);
// The same bytes as a view into the record.
QByteArrayView commentChars(const uint8_t* rec);
// The 13 cell characters of the editor for a record.
QByteArray fieldString(const uint8_t* rec);
// The same 13 characters written to out13: object 0-3, event 4-7, zone 8-10, partition 11-12.
void fieldChars(const uint8_t* rec, char* out13);

}  // namespace orbisk
