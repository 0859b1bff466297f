#include "core/exchange/phone_xlsx.h"

namespace orbisk {

bool looksLikeXlsx(const QByteArray& bytes) { return bytes.startsWith(QByteArrayLiteral("PK\x03\x04")); }

ImportedPhones readPhonesFile(const QByteArray& bytes) {
  return looksLikeXlsx(bytes) ? readPhonesXlsx(bytes) : readPhonesCsv(bytes);
}

}  // namespace orbisk
