// Undo and redo of every change to the configuration. A step keeps the bytes of the image the
// change touched, as they were before and after, so a long session costs little memory.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "gui/state/main_state.h"

class QUndoStack;

namespace orbisk {

class ConfigUndo : public QObject {
  Q_OBJECT
 public:
  // show rebuilds the views and the title after an undo or redo has put bytes back.
  ConfigUndo(MainState& st, std::function<void()> show, QObject* parent = nullptr);
  ~ConfigUndo() override;

  // Runs change and keeps what it did to the image as one step called what. A change that
  // alters no byte leaves no step. Steps inside a running one belong to it.
  void record(const QString& what, const std::function<void()>& change);
  // The same in two halves, for changes that a control starts and finishes by itself.
  void begin();
  void commit(const QString& what);

  // Both do nothing while a long command (a transfer) runs.
  void undo();
  void redo();
  // Another configuration is on screen: nothing leads back from it.
  void clear();
  // The image is in its file now: undoing back to here clears the modified mark.
  void setSaved();

  QUndoStack& stack() { return *stack_; }

 private:
  MainState& st_;
  std::function<void()> show_;
  std::unique_ptr<QUndoStack> stack_;
  std::unique_ptr<ConfigImage> before_;
  int depth_ = 0;
  int nodeBefore_ = 0;
  bool wasModified_ = false;
};

}  // namespace orbisk
