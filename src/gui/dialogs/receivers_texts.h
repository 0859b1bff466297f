// What the "Приемники" window, its receiver form and its trail window say.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orbisk::text {

class ReceiversTexts {
  Q_DECLARE_TR_FUNCTIONS(ReceiversTexts)

 public:
  static QString receiversMenuItem() { return tr("Приемники..."); }
  static QString receiversTitle() { return tr("Приемники"); }
  static QString receiversFilter() { return tr("Поиск:"); }
  static QStringList receiversColumns() {
    return {tr("Имя"),
            tr("Объект"),
            tr("Порт"),
            tr("Номер"),
            tr("Последнее чтение"),
            tr("Последняя запись"),
            tr("Последняя копия"),
            tr("Последний результат")};
  }
  static QString receiverAdd() { return tr("Добавить..."); }
  static QString receiverEdit() { return tr("Изменить..."); }
  static QString receiverRemove() { return tr("Удалить"); }
  static QString receiverChoose() { return tr("Выбрать"); }
  static QString receiverOpen() { return tr("Открыть конфигурацию"); }
  static QString receiverRead() { return tr("Чтение"); }
  static QString receiverWrite() { return tr("Запись"); }
  static QString receiverCompare() { return tr("Сравнить с копией"); }
  static QString receiverSync() { return tr("Установить время"); }
  static QString receiverWorkComment() { return tr("Комментарий к работе (в журнал)"); }
  static QString receiverTrail() { return tr("Журнал..."); }
  // The history window showing only this receiver's backups.
  static QString receiverBackups() { return tr("Резервные копии..."); }
  static QString receiverRemoveQuestion() {
    return tr("Удалить приемник \"%1\" из реестра? Журнал его работ сохранится.");
  }
  static QString receiverNoConfig() { return tr("У приемника \"%1\" не указан файл конфигурации"); }
  static QString receiverNoBackup() { return tr("У приемника \"%1\" еще нет резервной копии"); }
  static QString receiversLoaded() { return tr("Приемников: %1"); }

  // The receiver form.
  static QString receiverFormAdd() { return tr("Новый приемник"); }
  static QString receiverFormEdit() { return tr("Приемник"); }
  static QString receiverName() { return tr("Имя:"); }
  static QString receiverSite() { return tr("Объект (адрес):"); }
  static QString receiverPort() { return tr("Порт:"); }
  static QString receiverNumber() { return tr("Номер приемника:"); }
  static QString receiverNoNumber() { return tr("не указан"); }
  static QString receiverComment() { return tr("Комментарий:"); }
  static QString receiverConfig() { return tr("Файл конфигурации:"); }
  static QString receiverBrowse() { return tr("Обзор..."); }
  static QString receiverConfigFilter() { return tr("Конфигурация (*.rcf);;Все файлы (*)"); }

  // The trail.
  static QString trailTitle() { return tr("Журнал работ: %1"); }
  static QStringList trailColumns() {
    return {tr("Время"),     tr("Пользователь"), tr("Порт"), tr("Действие"),
            tr("Результат"), tr("Подробности"),  tr("Файл"), tr("Комментарий")};
  }
  static QString trailExport() { return tr("Экспорт CSV..."); }
  static QString trailCsvFilter() { return tr("CSV (*.csv)"); }
  static QString trailNotSaved() { return tr("Журнал не сохранен: %1"); }
};

}  // namespace orbisk::text
