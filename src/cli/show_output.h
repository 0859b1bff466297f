// What `orbisk-cli show` prints: the desktop's texts for people, one JSON object for scripts.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "core/view/config_view.h"

namespace orbisk::cli {

QString showText(const ConfigView& v);
QByteArray showJson(const ConfigView& v);
// One telephone as `show --json` gives it; `diff --json` uses the same objects.
QJsonObject phoneJson(const PhoneRow& p);

}  // namespace orbisk::cli
