#include "gui/main_window/phones_controller.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>

#include "core/exchange/phone_csv.h"
#include "core/records/phone_table.h"
#include "gui/dialogs/tform2.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/phone_commands.h"

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

PhonesController::PhonesController(QWidget* window, MainState& st, Prompter& prompter, const MainViews& views,
                                   PhonesHooks hooks)
    : WindowController(window, st, prompter), v_(views), hooks_(std::move(hooks)) {}

PhonesController::~PhonesController() = default;

void PhonesController::addListItems(QMenu* edit) {
  connect(listAction(v_.ListView1, edit, "CopyRows", ui::DailyWorkTexts::copyRowsItem(),
                     QKeySequence(Qt::CTRL | Qt::Key_C)),
          &QAction::triggered, this, &PhonesController::copyRows);
  connect(listAction(v_.ListView1, edit, "PasteRows", ui::DailyWorkTexts::pasteRowsItem(),
                     QKeySequence(Qt::CTRL | Qt::Key_V)),
          &QAction::triggered, this,
          [this] { hooks_.recordChange(ui::DailyWorkTexts::stepPaste(), hooks_.pastePhones); });
  connect(
      listAction(v_.ListView1, edit, "DeleteRows", ui::DailyWorkTexts::deleteRowsItem(), QKeySequence(Qt::Key_Delete)),
      &QAction::triggered, this, &PhonesController::deleteRows);
}

void PhonesController::change() {
  hooks_.recordChange(ui::DailyWorkTexts::stepChangePhone(), [this] { commands_->BizmtelClick(); });
}

void PhonesController::wire(const MainActions& actions) {
  editor_ = new TForm2(st_, prompter_, window_);
  commands_ = std::make_unique<PhoneCommands>(
      st_, prompter_, [this] { return editor_->exec() == QDialog::Accepted; }, hooks_.refresh, hooks_.updateTitle,
      [this] { v_.TreeView1->setFocus(); });

  auto onAdd = [this] {
    hooks_.recordChange(ui::DailyWorkTexts::stepAddPhone(), [this] { commands_->BdobtelClick(); });
  };
  auto onChange = [this] { change(); };
  // Every selected row goes, in one step.
  auto onDelete = [this] { deleteRows(); };
  connect(v_.Bdobtel, &QPushButton::clicked, this, onAdd);
  connect(v_.Bizmtel, &QPushButton::clicked, this, onChange);
  connect(v_.Budaltel, &QPushButton::clicked, this, onDelete);
  connect(v_.Ndobav, &QAction::triggered, this, onAdd);
  connect(v_.Nizm, &QAction::triggered, this, onChange);
  connect(v_.Nudal, &QAction::triggered, this, onDelete);
  connect(actions.addPhoneItem, &QAction::triggered, this, onAdd);
  connect(actions.changePhoneItem, &QAction::triggered, this, onChange);
  connect(actions.deletePhoneItem, &QAction::triggered, this, onDelete);
  // The row under the double click is selected before Change runs.
  connect(v_.ListView1, &QTreeWidget::itemDoubleClicked, this, [this] {
    hooks_.selectRow();
    change();
  });
}

QList<int> PhonesController::selectedRows() const {
  QList<int> rows;
  if (st_.currentExpander >= kSlotCount || v_.ListView1->isHidden()) return rows;
  for (QTreeWidgetItem* item : v_.ListView1->selectedItems()) rows.append(v_.ListView1->indexOfTopLevelItem(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void PhonesController::copyRows() {
  const QList<int> rows = selectedRows();
  if (rows.isEmpty()) return;
  // The chosen rows as a table of their own, so they go out as the export writes them.
  const int slot = st_.currentExpander;
  auto chosen = std::make_unique<ConfigImage>(st_.image);
  int n = 0;
  for (int row : rows) std::memcpy(chosen->record(slot, n++), st_.image.record(slot, row), kRecordSize);
  chosen->setPhoneCount(slot, n);
  QGuiApplication::clipboard()->setText(phoneTableText(*chosen, static_cast<uint16_t>(1u << slot), u'\t'));
}

void PhonesController::deleteRows() {
  const int slot = st_.currentExpander;
  if (slot >= kSlotCount) return;
  const int countBefore = st_.image.phoneCount(slot);
  const QList<int> rows = selectedRows();
  if (rows.size() <= 1) {
    hooks_.recordChange(ui::DailyWorkTexts::stepDeletePhones(), [this] { commands_->BudaltelClick(); });
  } else if (!st_.busy) {
    hooks_.recordChange(ui::DailyWorkTexts::stepDeletePhones(), [this, slot, &rows] {
      st_.busy = true;
      if (removePhones(st_.image, slot, rows) > 0) st_.modified = true;
      hooks_.refresh();
      hooks_.updateTitle();
      st_.busy = false;
    });
    st_.currentPhoneIndex = rows.constFirst();
  }
  if (st_.image.phoneCount(slot) < countBefore) selectRowAfterDelete();
}

void PhonesController::selectRowAfterDelete() {
  if (st_.currentExpander >= kSlotCount || v_.ListView1->isHidden()) return;
  const int count = v_.ListView1->topLevelItemCount();
  if (count == 0) {
    hooks_.selectRow();
    return;
  }
  QTreeWidgetItem* row = v_.ListView1->topLevelItem(std::min(st_.currentPhoneIndex, count - 1));
  v_.ListView1->setCurrentItem(row);
  v_.ListView1->scrollToItem(row);
  v_.ListView1->setFocus();
}

}  // namespace orbisk
