#include "core/files/device_name.h"

#include <QRegularExpression>

namespace orbisk {

bool isWindowsDeviceName(const QString& path) {
  static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|conin\\$|conout\\$|com[0-9]|lpt[0-9])"
                                                        "(\\..*)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
  QString p = path;
  p.replace(u'\\', u'/');
  if (p.startsWith(QLatin1String("//./"))) return true;
  const QString base = p.mid(p.lastIndexOf(u'/') + 1).trimmed();
  return device.match(base).hasMatch();
}

}  // namespace orbisk
