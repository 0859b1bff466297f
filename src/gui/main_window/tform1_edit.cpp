// "Правка": undo and redo of every change to the configuration (the telephone rows' items come
// from the telephones' controller), F3; the deletion of an expander and the factory defaults.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <cstring>
#include <memory>

#include "core/image/expander_set.h"
#include "core/image/settings_lists.h"
#include "gui/main_window/phones_controller.h"
#include "gui/dialogs/exchange_ui_texts.h"
#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/config_undo.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/tform1.h"
#include "gui/views/settings_panel.h"

namespace orbisk {

void TForm1::buildEditMenu(QMenuBar* bar) {
  undo_ = std::make_unique<ConfigUndo>(st_, [this] {
    obrfile();
    updt1();
  });
  QMenu* edit = bar->addMenu(ui::DailyWorkTexts::editMenu());
  edit->setObjectName(QStringLiteral("Edit1"));
  edit->setToolTipsVisible(true);
  QAction* undo = edit->addAction(ui::DailyWorkTexts::undoItem());
  undo->setObjectName(QStringLiteral("Undo1"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = edit->addAction(ui::DailyWorkTexts::redoItem());
  redo->setObjectName(QStringLiteral("Redo1"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  QUndoStack& stack = undo_->stack();
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& t) {
    undo->setToolTip(t.isEmpty() ? ui::DailyWorkTexts::undoItem()
                                 : ui::DailyWorkTexts::stepTip().arg(ui::DailyWorkTexts::undoItem(), t));
  });
  connect(&stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& t) {
    redo->setToolTip(t.isEmpty() ? ui::DailyWorkTexts::redoItem()
                                 : ui::DailyWorkTexts::stepTip().arg(ui::DailyWorkTexts::redoItem(), t));
  });
  connect(undo, &QAction::triggered, this, [this] { undo_->undo(); });
  connect(redo, &QAction::triggered, this, [this] { undo_->redo(); });

  edit->addSeparator();
  phones_->addListItems(edit);
  edit->addSeparator();
  QAction* again = edit->addAction(ui::ExchangeUiTexts::findNextButton());
  again->setObjectName(QStringLiteral("FindNext"));
  again->setShortcut(QKeySequence(Qt::Key_F3));
  connect(again, &QAction::triggered, exchange_, &ExchangeController::findNextAgain);

  // A settings control writes the image itself: the step opens before it writes and closes after.
  connect(v_.Panel1, &SettingsPanel::aboutToEdit, this, [this] { undo_->begin(); });
  connect(v_.Panel1, &SettingsPanel::edited, this, [this] { undo_->commit(ui::DailyWorkTexts::stepSettings()); });
}

void TForm1::recordChange(const QString& what, const std::function<void()>& change) { undo_->record(what, change); }

void TForm1::ToolButton14Click() {
  recordChange(ui::DailyWorkTexts::stepDefaults(), [this] {
    const QByteArray before(reinterpret_cast<const char*>(st_.image.data() + off::kSettings), off::kSettingsSize);
    st_.image.factoryDefaults();
    // A change like any other: "Выход" must ask before it is lost.
    if (std::memcmp(before.constData(), st_.image.data() + off::kSettings, off::kSettingsSize) != 0)
      st_.modified = true;
    obrfile();
  });
  updt1();
}

void TForm1::DeleteExpanderClick() {
  const int slot = st_.currentExpander;
  if (st_.busy || slot >= kSlotCount || (st_.image.mask() & (1u << slot)) == 0) return;
  const QString question = ui::DailyWorkTexts::askDeleteExpander().arg(slotChar(slot)).arg(st_.image.phoneCount(slot));
  if (prompter_->ask(question, false) != Answer::Yes) return;
  recordChange(ui::DailyWorkTexts::stepDeleteExpander(), [this, slot] {
    ExpanderSet set{st_.expanderCount, st_.expanderMask};
    if (removeExpanderAt(st_.image, set, slot)) st_.modified = true;
    st_.treeSelectionIndex = 0;
    obrfile();
  });
  updt1();
}

}  // namespace orbisk
