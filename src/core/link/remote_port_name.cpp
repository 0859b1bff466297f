#include "core/link/remote_port_name.h"

#include <QUrl>

namespace orbisk {
namespace {

const QString kRawScheme = QStringLiteral("tcp");
const QString kRfc2217Scheme = QStringLiteral("rfc2217");

}  // namespace

bool isRemotePortName(const QString& name) {
  return name.startsWith(kRawScheme + QStringLiteral("://"), Qt::CaseInsensitive) ||
         name.startsWith(kRfc2217Scheme + QStringLiteral("://"), Qt::CaseInsensitive);
}

bool parseRemotePortName(const QString& name, RemotePortName& out) {
  if (!isRemotePortName(name)) return false;
  const QUrl url(name.trimmed(), QUrl::StrictMode);
  // Nothing but a host and a port: a path, a user or a query would be ignored silently.
  if (!url.isValid() || url.host().isEmpty() || url.port() < 1 || !url.userInfo().isEmpty() ||
      !(url.path().isEmpty() || url.path() == QLatin1String("/")) || url.hasQuery() || url.hasFragment())
    return false;
  out.kind = url.scheme() == kRfc2217Scheme ? RemoteKind::Rfc2217 : RemoteKind::Raw;
  out.host = url.host();
  out.port = static_cast<uint16_t>(url.port());
  return true;
}

}  // namespace orbisk
