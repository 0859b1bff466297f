// What the "Приемники" window, its receiver form and its trail window say.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::text {

inline const QString kReceiversMenuItem = QStringLiteral("Приемники...");
inline const QString kReceiversTitle = QStringLiteral("Приемники");
inline const QString kReceiversFilter = QStringLiteral("Поиск:");
inline const QStringList kReceiversColumns{
    QStringLiteral("Имя"),           QStringLiteral("Объект"),         QStringLiteral("Порт"),
    QStringLiteral("Номер"),         QStringLiteral("Последнее чтение"), QStringLiteral("Последняя запись"),
    QStringLiteral("Последняя копия"), QStringLiteral("Последний результат")};
inline const QString kReceiverAdd = QStringLiteral("Добавить...");
inline const QString kReceiverEdit = QStringLiteral("Изменить...");
inline const QString kReceiverRemove = QStringLiteral("Удалить");
inline const QString kReceiverChoose = QStringLiteral("Выбрать");
inline const QString kReceiverOpen = QStringLiteral("Открыть конфигурацию");
inline const QString kReceiverRead = QStringLiteral("Чтение");
inline const QString kReceiverWrite = QStringLiteral("Запись");
inline const QString kReceiverCompare = QStringLiteral("Сравнить с копией");
inline const QString kReceiverSync = QStringLiteral("Установить время");
inline const QString kReceiverWorkComment = QStringLiteral("Комментарий к работе (в журнал)");
inline const QString kReceiverTrail = QStringLiteral("Журнал...");
// The history window showing only this receiver's backups.
inline const QString kReceiverBackups = QStringLiteral("Резервные копии...");
inline const QString kReceiverRemoveQuestion = QStringLiteral("Удалить приемник \"%1\" из реестра? Журнал его работ сохранится.");
inline const QString kReceiverNoConfig = QStringLiteral("У приемника \"%1\" не указан файл конфигурации");
inline const QString kReceiverNoBackup = QStringLiteral("У приемника \"%1\" еще нет резервной копии");
inline const QString kReceiversLoaded = QStringLiteral("Приемников: %1");

// The receiver form.
inline const QString kReceiverFormAdd = QStringLiteral("Новый приемник");
inline const QString kReceiverFormEdit = QStringLiteral("Приемник");
inline const QString kReceiverName = QStringLiteral("Имя:");
inline const QString kReceiverSite = QStringLiteral("Объект (адрес):");
inline const QString kReceiverPort = QStringLiteral("Порт:");
inline const QString kReceiverNumber = QStringLiteral("Номер приемника:");
inline const QString kReceiverNoNumber = QStringLiteral("не указан");
inline const QString kReceiverComment = QStringLiteral("Комментарий:");
inline const QString kReceiverConfig = QStringLiteral("Файл конфигурации:");
inline const QString kReceiverBrowse = QStringLiteral("Обзор...");
inline const QString kReceiverConfigFilter = QStringLiteral("Конфигурация (*.rcf);;Все файлы (*)");

// The trail.
inline const QString kTrailTitle = QStringLiteral("Журнал работ: %1");
inline const QStringList kTrailColumns{QStringLiteral("Время"),     QStringLiteral("Пользователь"), QStringLiteral("Порт"),
                                       QStringLiteral("Действие"),  QStringLiteral("Результат"),    QStringLiteral("Подробности"),
                                       QStringLiteral("Файл"),      QStringLiteral("Комментарий")};
inline const QString kTrailExport = QStringLiteral("Экспорт CSV...");
inline const QString kTrailCsvFilter = QStringLiteral("CSV (*.csv)");
inline const QString kTrailNotSaved = QStringLiteral("Журнал не сохранен: %1");

}  // namespace orbisk::text
