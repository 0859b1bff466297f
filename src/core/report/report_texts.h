// Texts of the printed configuration report (print, PDF and orbisk-cli report). The settings and
// the telephone list appear under the main window's own captions (core/image/view_texts.h).
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::report {

class ReportTexts {
  Q_DECLARE_TR_FUNCTIONS(ReportTexts)

 public:
  static QString title() { return tr("Конфигурация приемника"); }
  static QString fileLabel() { return tr("Файл:"); }
  static QString pathLabel() { return tr("Полный путь:"); }
  static QString madeLabel() { return tr("Отчет составлен:"); }
  static QString modelLabel() { return tr("Приемник:"); }
  // After the path of a configuration that was never saved, or has changes not saved yet.
  static QString neverSaved() { return tr("(не сохранена)"); }
  static QString unsavedChanges() { return tr("(есть несохраненные изменения)"); }
  // An option of the settings panel, ticked or not.
  static QString optionOn() { return tr("да"); }
  static QString optionOff() { return tr("нет"); }
  // A settings list whose image value has no item (the panel shows no selection).
  static QString noSelection() { return tr("—"); }
  // A report that could not be written (after the file name), by the desktop and orbisk-cli.
  static QString cannotWrite() { return tr("Не удалось записать отчет"); }
  // The foot of every page, and the heading of an expander whose table goes on from a page before.
  static QString pageOf() { return tr("стр. %1 из %2"); }
  static QString continued() { return tr(" (продолжение)"); }
  static QString dateTimeFormat() { return tr("dd.MM.yyyy hh:mm:ss"); }
};

}  // namespace orbisk::report
