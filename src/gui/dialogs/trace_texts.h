// What the serial trace's menu item and dialog say.
#pragma once

#include <QString>

namespace orbisk::text {

inline const QString kTraceMenuItem = QStringLiteral("Журнал обмена...");
inline const QString kTraceTitle = QStringLiteral("Журнал обмена");
inline const QString kTraceOn = QStringLiteral("Записывать обмен с приемником в журнал");
inline const QString kTraceFile = QStringLiteral("Файл журнала:");
inline const QString kTraceBrowse = QStringLiteral("Обзор...");
inline const QString kTraceNote =
    QStringLiteral("Каждый сеанс связи дописывается в конец файла: все байты, паузы и время ожидания.");
inline const QString kTraceFilter = QStringLiteral("Журнал (*.log *.txt);;Все файлы (*)");

}  // namespace orbisk::text
