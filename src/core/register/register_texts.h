// Texts of the register of receivers and its audit trail, shown by the desktop program and by
// orbisk-cli alike.
#pragma once

#include <QString>

namespace orbisk::reg {

inline const QString kNotInThisBuild = QStringLiteral("Реестр приемников недоступен в этой сборке");
inline const QString kCannotOpen = QStringLiteral("Реестр приемников %1 не открывается: %2");
inline const QString kDamaged = QStringLiteral("Реестр приемников %1 поврежден или не является базой данных: %2");
inline const QString kNewer = QStringLiteral("Реестр приемников %1 создан более новой версией Orbisk (версия схемы %2)");
inline const QString kNotRegular = QStringLiteral("Реестр приемников %1: это не обычный файл");
inline const QString kFailed = QStringLiteral("Реестр приемников %1: %2");
inline const QString kNameEmpty = QStringLiteral("Имя приемника не может быть пустым");
inline const QString kNameTooLong = QStringLiteral("Имя приемника длиннее %1 знаков");
inline const QString kNameControl = QStringLiteral("Имя приемника содержит управляющие знаки");
inline const QString kNameBlanks = QStringLiteral("Имя приемника начинается или кончается пробелом");
inline const QString kNameTaken = QStringLiteral("Приемник \"%1\" уже есть в реестре");
inline const QString kNoSuchReceiver = QStringLiteral("Приемника \"%1\" нет в реестре");
inline const QString kPortEmpty = QStringLiteral("Не указан порт приемника");
inline const QString kBadNumber = QStringLiteral("Номер приемника - число от 0 до 15, а не \"%1\"");
inline const QString kNotRecorded = QStringLiteral("Запись в журнал не сделана: %1");
inline const QString kNumberDiffers = QStringLiteral("Номер приемника %1, а в реестре записан %2");

// The trail's CSV header.
inline const QString kCsvHeader =
    QStringLiteral("time,user,receiver,port,action,result,detail,file,comment");

}  // namespace orbisk::reg
