// Texts of the register of receivers and its audit trail, shown by the desktop program and by
// orbisk-cli alike.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::reg {

class RegisterTexts {
  Q_DECLARE_TR_FUNCTIONS(RegisterTexts)

 public:
  static QString notInThisBuild() { return tr("Реестр приемников недоступен в этой сборке"); }
  static QString cannotOpen() { return tr("Реестр приемников %1 не открывается: %2"); }
  static QString damaged() { return tr("Реестр приемников %1 поврежден или не является базой данных: %2"); }
  static QString newer() { return tr("Реестр приемников %1 создан более новой версией Orbisk (версия схемы %2)"); }
  static QString notRegular() { return tr("Реестр приемников %1: это не обычный файл"); }
  static QString failed() { return tr("Реестр приемников %1: %2"); }
  static QString nameEmpty() { return tr("Имя приемника не может быть пустым"); }
  static QString nameTooLong() { return tr("Имя приемника длиннее %1 знаков"); }
  static QString nameControl() { return tr("Имя приемника содержит управляющие знаки"); }
  static QString nameBlanks() { return tr("Имя приемника начинается или кончается пробелом"); }
  static QString nameTaken() { return tr("Приемник \"%1\" уже есть в реестре"); }
  static QString noSuchReceiver() { return tr("Приемника \"%1\" нет в реестре"); }
  static QString portEmpty() { return tr("Не указан порт приемника"); }
  static QString badNumber() { return tr("Номер приемника - число от 0 до 15, а не \"%1\""); }
  static QString notRecorded() { return tr("Запись в журнал не сделана: %1"); }
  static QString numberDiffers() { return tr("Номер приемника %1, а в реестре записан %2"); }

  // The trail's CSV header.
  static QString csvHeader() { return tr("time,user,receiver,port,action,result,detail,file,comment"); }
};

}  // namespace orbisk::reg
