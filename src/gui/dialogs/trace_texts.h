// What the serial trace's menu item and dialog say.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::text {

class TraceTexts {
  Q_DECLARE_TR_FUNCTIONS(TraceTexts)

 public:
  static QString traceMenuItem() { return tr("Журнал обмена..."); }
  static QString traceTitle() { return tr("Журнал обмена"); }
  static QString traceOn() { return tr("Записывать обмен с приемником в журнал"); }
  static QString traceFile() { return tr("Файл журнала:"); }
  static QString traceBrowse() { return tr("Обзор..."); }
  static QString traceNote() {
    return tr("Каждый сеанс связи дописывается в конец файла: все байты, паузы и время ожидания.");
  }
  static QString traceFilter() { return tr("Журнал (*.log *.txt);;Все файлы (*)"); }
};

}  // namespace orbisk::text
