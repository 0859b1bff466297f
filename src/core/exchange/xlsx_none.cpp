// A build without libxlsxwriter and libzip: .xlsx is refused with a clear word.
#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_xlsx.h"

namespace orbisk {

bool xlsxAvailable() { return false; }

QByteArray exportPhonesXlsx(const ConfigImage&, uint16_t) { return {}; }

ImportedPhones readPhonesXlsx(const QByteArray&) {
  ImportedPhones out;
  out.errors << text::ExchangeTexts::xlsxUnavailable();
  return out;
}

}  // namespace orbisk
