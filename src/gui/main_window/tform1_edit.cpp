// "Правка": undo and redo of every change to the configuration, and the telephone rows as in a
// spreadsheet: several selected at once, copied, pasted and deleted in one step.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>
#include <cstring>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/image/expander_set.h"
#include "core/image/settings_lists.h"
#include "gui/main_window/phone_commands.h"
#include "core/records/phone_table.h"
#include "gui/dialogs/exchange_ui_texts.h"
#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/config_undo.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/tform1.h"
#include "gui/views/phone_list.h"
#include "gui/views/settings_panel.h"

namespace orbisk {
namespace {

QAction* listAction(QWidget* list, QMenu* menu, const char* name, const QString& text, const QKeySequence& keys) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setShortcut(keys);
  // Only while the list has the focus: elsewhere these keys belong to the field being edited.
  a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list->addAction(a);
  return a;
}

}  // namespace

void TForm1::buildEditMenu(QMenuBar* bar) {
  undo_ = std::make_unique<ConfigUndo>(st_, [this] {
    obrfile();
    updt1();
  });
  QMenu* edit = bar->addMenu(ui::kEditMenu);
  edit->setObjectName(QStringLiteral("Edit1"));
  edit->setToolTipsVisible(true);
  QAction* undo = edit->addAction(ui::kUndoItem);
  undo->setObjectName(QStringLiteral("Undo1"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = edit->addAction(ui::kRedoItem);
  redo->setObjectName(QStringLiteral("Redo1"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  QUndoStack& stack = undo_->stack();
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::undoTextChanged, undo,
          [undo](const QString& t) { undo->setToolTip(t.isEmpty() ? ui::kUndoItem : ui::kStepTip.arg(ui::kUndoItem, t)); });
  connect(&stack, &QUndoStack::redoTextChanged, redo,
          [redo](const QString& t) { redo->setToolTip(t.isEmpty() ? ui::kRedoItem : ui::kStepTip.arg(ui::kRedoItem, t)); });
  connect(undo, &QAction::triggered, this, [this] { undo_->undo(); });
  connect(redo, &QAction::triggered, this, [this] { undo_->redo(); });

  edit->addSeparator();
  connect(listAction(v_.ListView1, edit, "CopyRows", ui::kCopyRowsItem, QKeySequence(Qt::CTRL | Qt::Key_C)),
          &QAction::triggered, this, [this] { copyPhoneRows(); });
  connect(listAction(v_.ListView1, edit, "PasteRows", ui::kPasteRowsItem, QKeySequence(Qt::CTRL | Qt::Key_V)),
          &QAction::triggered, this, [this] { recordChange(ui::kStepPaste, [this] { exchange_->pastePhones(); }); });
  connect(listAction(v_.ListView1, edit, "DeleteRows", ui::kDeleteRowsItem, QKeySequence(Qt::Key_Delete)),
          &QAction::triggered, this, [this] { deletePhoneRows(); });
  edit->addSeparator();
  QAction* again = edit->addAction(ui::kFindNextButton);
  again->setObjectName(QStringLiteral("FindNext"));
  again->setShortcut(QKeySequence(Qt::Key_F3));
  connect(again, &QAction::triggered, exchange_, &ExchangeController::findNextAgain);

  // A settings control writes the image itself: the step opens before it writes and closes after.
  connect(v_.Panel1, &SettingsPanel::aboutToEdit, this, [this] { undo_->begin(); });
  connect(v_.Panel1, &SettingsPanel::edited, this, [this] { undo_->commit(ui::kStepSettings); });
}

void TForm1::recordChange(const QString& what, const std::function<void()>& change) { undo_->record(what, change); }

QList<int> TForm1::selectedPhoneRows() const {
  QList<int> rows;
  if (st_.currentExpander >= kSlotCount || v_.ListView1->isHidden()) return rows;
  for (QTreeWidgetItem* item : v_.ListView1->selectedItems()) rows.append(v_.ListView1->indexOfTopLevelItem(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TForm1::copyPhoneRows() {
  const QList<int> rows = selectedPhoneRows();
  if (rows.isEmpty()) return;
  // The chosen rows as a table of their own, so they go out as the export writes them.
  const int slot = st_.currentExpander;
  auto chosen = std::make_unique<ConfigImage>(st_.image);
  int n = 0;
  for (int row : rows) std::memcpy(chosen->record(slot, n++), st_.image.record(slot, row), kRecordSize);
  chosen->setPhoneCount(slot, n);
  QGuiApplication::clipboard()->setText(phoneTableText(*chosen, static_cast<uint16_t>(1u << slot), u'\t'));
}

void TForm1::deletePhoneRows() {
  const int slot = st_.currentExpander;
  if (slot >= kSlotCount) return;
  const int countBefore = st_.image.phoneCount(slot);
  const QList<int> rows = selectedPhoneRows();
  if (rows.size() <= 1) {
    recordChange(ui::kStepDeletePhones, [this] { phones_->BudaltelClick(); });
  } else if (!st_.busy) {
    recordChange(ui::kStepDeletePhones, [this, slot, &rows] {
      st_.busy = true;
      if (removePhones(st_.image, slot, rows) > 0) st_.modified = true;
      obrfile();
      updt1();
      st_.busy = false;
    });
    st_.currentPhoneIndex = rows.constFirst();
  }
  if (st_.image.phoneCount(slot) < countBefore) selectRowAfterDelete();
}

// The row that moved into the deleted one's place is what a second Delete acts on: show it.
void TForm1::selectRowAfterDelete() {
  if (st_.currentExpander >= kSlotCount || v_.ListView1->isHidden()) return;
  const int count = v_.ListView1->topLevelItemCount();
  if (count == 0) {
    lvclick();
    return;
  }
  QTreeWidgetItem* row = v_.ListView1->topLevelItem(std::min(st_.currentPhoneIndex, count - 1));
  v_.ListView1->setCurrentItem(row);
  v_.ListView1->scrollToItem(row);
  v_.ListView1->setFocus();
}

void TForm1::DeleteExpanderClick() {
  const int slot = st_.currentExpander;
  if (st_.busy || slot >= kSlotCount || (st_.image.mask() & (1u << slot)) == 0) return;
  const QString question = ui::kAskDeleteExpander.arg(slotChar(slot)).arg(st_.image.phoneCount(slot));
  if (prompter_->ask(question, false) != Answer::Yes) return;
  recordChange(ui::kStepDeleteExpander, [this, slot] {
    ExpanderSet set{st_.expanderCount, st_.expanderMask};
    if (removeExpanderAt(st_.image, set, slot)) st_.modified = true;
    st_.treeSelectionIndex = 0;
    obrfile();
  });
  updt1();
}

}  // namespace orbisk
