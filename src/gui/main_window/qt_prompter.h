// The real message boxes and file dialogs.
#pragma once

#include <QWidget>

#include "core/state/prompter.h"

namespace orbisk {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}
  void message(const QString& text) override;
  void messageWithDetail(const QString& text, const QString& detail) override;
  void messageCaptioned(const QString& caption, const QString& text) override;
  Answer ask(const QString& text, bool withNo = true) override;
  Answer askRemembered(const QString& text, const QString& dontAskCaption, bool& dontAsk) override;
  // A window-modal box: the event loop, and with it a running transfer, goes on meanwhile.
  void askLater(const QString& text, std::function<void(Answer)> done) override;
  QString openFile(const QString& startDir) override;
  QString saveFile(const QString& startDir, const QString& proposedName) override;
  QString openCsvFile(const QString& startDir) override;
  QString saveCsvFile(const QString& startDir, const QString& proposedName) override;
  QString savePdfFile(const QString& startDir, const QString& proposedName) override;

 private:
  void show(const QString& caption, const QString& text, const QString& detail);
  QString openWith(const QString& startDir, const QString& filter, const QString& suffix);
  QWidget* parent_;
};

// "Name (*.a)|*.a|Other (*.*)|*.*" -> Qt's ";;"-separated filter list. Outside Windows each
// entry is followed by its pattern, "*.*" becoming "*", for dialogs that hide those details.
QString qtFilterFrom(const QString& pipeFilter);

}  // namespace orbisk
