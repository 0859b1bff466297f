// Every text the receiver conversations show, exactly as the operator knows them.
// "Чтение неудачнo " ends in a Latin o and a blank: it has always been written that way.
#pragma once

#include <QString>

namespace orbisk::text {

inline const QString kPortBusyCaption = QStringLiteral("Порт занят");
inline const QString kPortBusyText = QStringLiteral("error");
// Why a network port (tcp://, rfc2217://) could not be had, shown beside "Порт занят" and when a
// connection ends mid-conversation; shown after the port's name and ": ".
inline const QString kRemoteRefused = QStringLiteral("соединение отклонено");
inline const QString kRemoteHostNotFound = QStringLiteral("узел не найден");
inline const QString kRemoteTimedOut = QStringLiteral("нет ответа, время ожидания истекло");
inline const QString kRemoteUnreachable = QStringLiteral("соединение не установлено (%1)");
inline const QString kRemoteDropped = QStringLiteral("соединение разорвано");
inline const QString kRemoteBadName = QStringLiteral("неверное имя порта, нужно tcp://УЗЕЛ:ПОРТ или rfc2217://УЗЕЛ:ПОРТ");
inline const QString kRemoteNoComPort = QStringLiteral("сервер не принимает настройки линии (RFC 2217)");
inline const QString kRemoteLineRefused = QStringLiteral("сервер не установил линию 1200 8N1");
inline const QString kReadOpening = QStringLiteral("Чтение");
inline const QString kWriteOpening = QStringLiteral("Запись");
inline const QString kReadDone = QStringLiteral("Чтение успешно завершено");
inline const QString kReadFailed = QStringLiteral("Чтение неудачнo ");
inline const QString kWriteDone = QStringLiteral("Запись успешно завершена");
inline const QString kReceiverWriteFailed = QStringLiteral("Запись неудачна");
inline const QString kNotConnected = QStringLiteral("Приемник не подключен ");
inline const QString kClockReadDone = QStringLiteral("Чтение времени успешно завершено");
inline const QString kClockReadFailed = QStringLiteral("Чтение неудачнo");
inline const QString kClockSetDone = QStringLiteral("Время синхронизировано");
inline const QString kEventsCleared = QStringLiteral("Стерто");
inline const QString kFirmwarePrefix = QStringLiteral("Версия приемника: ");
inline const QString kFirmwareUnknown = QStringLiteral("Необходимо прочитать настройки приемника");
inline const QString kMemTestOpening = QStringLiteral("Тест памяти ");
inline const QString kMemTestStep1Done = QStringLiteral("Тест памяти шаг 1 выполнен");
inline const QString kMemTestStep2Done = QStringLiteral("Тест памяти шаг 2 выполнен");
inline const QString kMemTestFailed = QStringLiteral("Тест памяти - ошибка");
inline const QString kReceiverSuffix = QStringLiteral("  (приемник)");
inline const QString kComputerSuffix = QStringLiteral("  (компьютер)");
inline const QString kTessalyPrefix = QStringLiteral("Tessaly ");
inline const QString kTessalyPaired = QStringLiteral("Tessaly 3320");
inline const QString kHalvornPrefix = QStringLiteral("Halvorn ");

// Beside the status text while a conversation runs: bytes moved, all bytes, time left.
inline const QString kProgressTemplate = QStringLiteral("%1 из %2 байт, осталось %3");
// After the progress while a read's total is still reckoned from an earlier configuration.
inline const QString kEstimateMark = QStringLiteral(" (оценка)");
inline const QString kCancelButton = QStringLiteral("Прервать");

// The question before writing a configuration without expanders: three lines.
inline const QString kEmptyListQuestion = QStringLiteral("     Список телефонов пуст. \n     Если в приемнике есть записанные телефоны, \n     то они будут удалены. Продолжить?");

}  // namespace orbisk::text
