// Texts of the history and comparison windows and of their menu items.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::historyui {

// Menu items: "Файл" › "История...", "Файл" › "Сравнить с файлом...", "Приемник" › "Сравнить с приемником".
inline const QString kHistoryItem = QStringLiteral("История...");
inline const QString kCompareFileItem = QStringLiteral("Сравнить с файлом...");
inline const QString kCompareReceiverItem = QStringLiteral("Сравнить с приемником");

// The history window.
inline const QString kHistoryCaption = QStringLiteral("История");
inline const QString kHistoryFolder = QStringLiteral("Резервные копии: ");
inline const QString kHistoryEmpty = QStringLiteral("Резервных копий пока нет");
inline const QStringList kHistoryColumns = {QStringLiteral("Дата и время"), QStringLiteral("Операция"),
                                            QStringLiteral("Модель"),       QStringLiteral("Номер приемника"),
                                            QStringLiteral("Расширители"),  QStringLiteral("Телефоны"),
                                            QStringLiteral("Порт"),         QStringLiteral("Приемник")};
// The filter above the list: rows holding the typed text in any column stay.
inline const QString kHistoryFilterHint = QStringLiteral("Фильтр: порт, приемник, номер приемника, модель, дата...");
// The receiver filter: every backup, or those filed under one register receiver.
inline const QString kHistoryAllReceivers = QStringLiteral("Все приемники");
inline const QString kHistoryShown = QStringLiteral("показано %1 из %2");
inline const QString kHistoryUnreadable = QStringLiteral("файл поврежден");
inline const QString kOpenButton = QStringLiteral("Открыть");
inline const QString kCompareButton = QStringLiteral("Сравнить с текущей");
inline const QString kCloseButton = QStringLiteral("Закрыть");

// The comparison window: its caption and the line naming what the configuration on screen is
// compared with (followed by a file name or the receiver).
inline const QString kComparisonCaption = QStringLiteral("Сравнение конфигураций");
inline const QString kComparedWith = QStringLiteral("Конфигурация на экране → ");
inline const QString kReceiverSide = QStringLiteral("приемник");
// Beside a group's heading: how many differences it holds.
inline const QString kDifferenceCount = QStringLiteral("различий: %1");

}  // namespace orbisk::historyui
