// Every text the receiver conversations show, exactly as the operator knows them.
// "Чтение неудачнo " ends in a Latin o and a blank: it has always been written that way.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::text {

class LinkTexts {
  Q_DECLARE_TR_FUNCTIONS(LinkTexts)

 public:
  static QString portBusyCaption() { return tr("Порт занят"); }
  static QString portBusyText() { return tr("error"); }
  // Why a network port (tcp://, rfc2217://) could not be had, shown beside "Порт занят" and when a
  // connection ends mid-conversation; shown after the port's name and ": ".
  static QString remoteRefused() { return tr("соединение отклонено"); }
  static QString remoteHostNotFound() { return tr("узел не найден"); }
  static QString remoteTimedOut() { return tr("нет ответа, время ожидания истекло"); }
  static QString remoteUnreachable() { return tr("соединение не установлено (%1)"); }
  static QString remoteDropped() { return tr("соединение разорвано"); }
  static QString remoteBadName() { return tr("неверное имя порта, нужно tcp://УЗЕЛ:ПОРТ или rfc2217://УЗЕЛ:ПОРТ"); }
  static QString remoteNoComPort() { return tr("сервер не принимает настройки линии (RFC 2217)"); }
  static QString remoteLineRefused() { return tr("сервер не установил линию 1200 8N1"); }
  static QString readOpening() { return tr("Чтение"); }
  static QString writeOpening() { return tr("Запись"); }
  static QString readDone() { return tr("Чтение успешно завершено"); }
  static QString readFailed() { return tr("Чтение неудачнo "); }
  static QString writeDone() { return tr("Запись успешно завершена"); }
  static QString receiverWriteFailed() { return tr("Запись неудачна"); }
  static QString notConnected() { return tr("Приемник не подключен "); }
  static QString clockReadDone() { return tr("Чтение времени успешно завершено"); }
  static QString clockReadFailed() { return tr("Чтение неудачнo"); }
  static QString clockSetDone() { return tr("Время синхронизировано"); }
  static QString eventsCleared() { return tr("Стерто"); }
  static QString firmwarePrefix() { return tr("Версия приемника: "); }
  static QString firmwareUnknown() { return tr("Необходимо прочитать настройки приемника"); }
  static QString memTestOpening() { return tr("Тест памяти "); }
  static QString memTestStep1Done() { return tr("Тест памяти шаг 1 выполнен"); }
  static QString memTestStep2Done() { return tr("Тест памяти шаг 2 выполнен"); }
  static QString memTestFailed() { return tr("Тест памяти - ошибка"); }
  static QString receiverSuffix() { return tr("  (приемник)"); }
  static QString computerSuffix() { return tr("  (компьютер)"); }
  static QString tessalyPrefix() { return tr("Tessaly "); }
  static QString tessalyPaired() { return tr("Tessaly 3320"); }
  static QString halvornPrefix() { return tr("Halvorn "); }

  // Beside the status text while a conversation runs: bytes moved, all bytes, time left.
  static QString progressTemplate() { return tr("%1 из %2 байт, осталось %3"); }
  // After the progress while a read's total is still reckoned from an earlier configuration.
  static QString estimateMark() { return tr(" (оценка)"); }
  static QString cancelButton() { return tr("Прервать"); }

  // The question before writing a configuration without expanders: three lines.
  static QString emptyListQuestion() {
    return tr(
        "     Список телефонов пуст. \n     Если в приемнике есть записанные телефоны, \n     то они будут удалены. "
        "Продолжить?");
  }
};

}  // namespace orbisk::text
