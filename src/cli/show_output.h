// What `orbisk-cli show` prints: the desktop's texts for people, one JSON object for scripts.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/image/config_view.h"

namespace orbisk::cli {

QString showText(const ConfigView& v);
QByteArray showJson(const ConfigView& v);

}  // namespace orbisk::cli
