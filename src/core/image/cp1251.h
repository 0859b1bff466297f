// Code page 1251 <-> Unicode, used only where image text meets widgets or other files.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace orbisk {

QString fromCp1251(const QByteArray& bytes);
QString fromCp1251(const char* bytes, int length);
// Characters the code page cannot hold become '?'.
QByteArray toCp1251(QStringView text);
// True when every character of text has a code page 1251 byte.
bool fitsCp1251(const QString& text);
bool fitsCp1251(QChar c);

// How the image keeps its texts: at most max bytes, ending at the first zero byte.
QByteArray zeroEndedBytes(const uint8_t* bytes, int max);
QByteArrayView zeroEndedView(const uint8_t* bytes, int max);
QString zeroEndedText(const uint8_t* bytes, int max);
// The same characters written to out (room for max) without an allocation; returns how many.
int zeroEndedChars(const uint8_t* bytes, int max, char16_t* out);

}  // namespace orbisk
