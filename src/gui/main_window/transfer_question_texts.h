// The questions the main window asks around a read or a write of the whole configuration.
#pragma once

#include <QString>

namespace orbisk::ui {

inline const QString kReadAgainQuestion = QStringLiteral("Конфигурация не принята. Прочитать снова?");
inline const QString kConfirmWrite = QStringLiteral("Записать конфигурацию %1 в приемник на порту %2?");
inline const QString kChangesAgainst = QStringLiteral("Изменения против последней резервной копии этого порта (%1):");
inline const QString kVerifyQuestion = QStringLiteral("Проверить запись чтением?");
inline const QString kDontAsk = QStringLiteral("не спрашивать");
inline const QString kStopTransferQuestion = QStringLiteral("Идет обмен с приемником. Прервать его и закрыть программу?");
inline const QString kReadTwiceItem = QStringLiteral("Читать дважды и сравнивать");
inline const QString kAskVerifyItem = QStringLiteral("Спрашивать о проверке записи");

}  // namespace orbisk::ui
