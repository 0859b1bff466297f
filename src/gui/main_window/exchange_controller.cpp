#include "gui/main_window/exchange_controller.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTreeWidget>
#include <memory>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_find.h"
#include "core/exchange/phone_import.h"
#include "core/exchange/phone_xlsx.h"
#include "core/files/file_texts.h"
#include "core/image/expander_set.h"
#include "core/image/settings_lists.h"
#include "gui/dialogs/exchange_ui_texts.h"
#include "gui/dialogs/export_dialog.h"
#include "gui/dialogs/find_dialog.h"
#include "gui/dialogs/import_dialog.h"
#include "gui/main_window/daily_work_texts.h"
#include "core/state/prompter.h"
#include "gui/views/receiver_tree.h"

namespace orbisk {
namespace {

QAction* named(QAction* action, const char* name) {
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

uint16_t presentSlots(const MainState& st) {
  uint16_t mask = 0;
  for (int s = 0; s < kSlotCount; ++s)
    if (st.expanderPresent[static_cast<size_t>(s)]) mask = static_cast<uint16_t>(mask | (1u << s));
  return mask;
}

// Clears busy however the command ends.
struct BusyGuard {
  explicit BusyGuard(MainState& st) : st_(st) { st_.busy = true; }
  ~BusyGuard() { st_.busy = false; }
  MainState& st_;
};

}  // namespace

ExchangeController::ExchangeController(QWidget* window, MainState& st, Prompter& prompter, const MainViews& views,
                                       EditHooks hooks)
    : WindowController(window, st, prompter), v_(views), hooks_(std::move(hooks)) {}

void ExchangeController::addFileItems(QMenu* file) {
  file->addSeparator();
  connect(named(file->addAction(ui::ExchangeUiTexts::importPhonesItem()), "ImportPhones"), &QAction::triggered, this,
          [this] { importPhones(); });
  connect(named(file->addAction(ui::ExchangeUiTexts::exportPhonesItem()), "ExportPhones"), &QAction::triggered, this,
          [this] { exportPhones(); });
}

void ExchangeController::addCommandItems(QMenu* commands) {
  QAction* find = named(commands->addAction(ui::ExchangeUiTexts::findPhoneItem()), "FindPhone");
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(find, &QAction::triggered, this, [this] { findPhone(); });
}

void ExchangeController::addPopupItems(QMenu* treePopup) {
  treePopup->addSeparator();
  QAction* copy = named(treePopup->addAction(ui::ExchangeUiTexts::copyPhonesItem()), "CopyPhones");
  QAction* paste = named(treePopup->addAction(ui::ExchangeUiTexts::pastePhonesItem()), "PastePhones");
  connect(copy, &QAction::triggered, this, [this] { copyPhones(); });
  connect(paste, &QAction::triggered, this, [this] { pastePhones(); });
  connect(treePopup, &QMenu::aboutToShow, this, [this, copy, paste] {
    copy->setEnabled(st_.currentExpander < kSlotCount);
    paste->setEnabled(st_.currentExpander < kSlotCount);
  });
}

void ExchangeController::applyImport(const ConfigImage& built) {
  hooks_.recordChange(ui::DailyWorkTexts::stepImport(), [&] {
    st_.image = built;
    st_.modified = true;
    hooks_.refresh();
  });
  hooks_.updateTitle();
}

void ExchangeController::importPhones() {
  if (st_.busy) return;
  BusyGuard busy(st_);
  const QString path = prompter_.openCsvFile(st_.defaultDirectory);
  if (!path.isEmpty()) importPhonesFile(path);
}

// Also for a table dropped on the window.
void ExchangeController::importPhonesFile(const QString& path) {
  QByteArray bytes;
  if (!readCsvFile(path, bytes)) {
    prompter_.message(path + QStringLiteral(": ") + text::ExchangeTexts::importCannotRead());
    return;
  }
  const ImportedPhones rows = readPhonesFile(bytes);
  const ExpanderSet set{st_.expanderCount, st_.expanderMask};
  auto built = std::make_unique<ConfigImage>();
  ImportDialog dlg(window_, ui::ExchangeUiTexts::importCaption(),
                   ui::ExchangeUiTexts::importFileLabel().arg(QFileInfo(path).fileName()),
                   [&](ImportMode mode) { return buildImport(st_.image, set, rows, mode, *built); });
  if (dlg.exec() == QDialog::Accepted && dlg.ready()) applyImport(*built);
}

void ExchangeController::exportPhones() {
  if (st_.busy) return;
  BusyGuard busy(st_);
  const int slot = st_.currentExpander < kSlotCount ? st_.currentExpander : -1;
  ExportDialog dlg(window_, slot);
  if (dlg.exec() != QDialog::Accepted) return;
  const bool one = dlg.onlySelected();
  QString name = QFileInfo(st_.shortFileName).completeBaseName();
  if (one) name += u'-' + QString(slotChar(slot));
  const QString path = prompter_.saveCsvFile(
      st_.defaultDirectory,
      name + (dlg.xlsx() ? ui::ExchangeUiTexts::exportXlsxSuffix() : ui::ExchangeUiTexts::exportFileSuffix()));
  if (path.isEmpty()) return;
  if (isTakenByNonRegular(path)) {
    prompter_.messageWithDetail(text::FileTexts::saveFailed(), text::FileTexts::causeNotRegular());
    return;
  }
  if (QFileInfo::exists(path) && prompter_.ask(text::FileTexts::askReplace(), false) != Answer::Yes) return;
  const uint16_t mask = one ? static_cast<uint16_t>(1u << slot) : presentSlots(st_);
  const QByteArray bytes = dlg.xlsx() ? exportPhonesXlsx(st_.image, mask) : exportPhonesCsv(st_.image, mask, dlg.style());
  const SaveCause saved = bytes.isEmpty() ? SaveCause::Failed : writeCsvFile(path, bytes);
  if (saved != SaveCause::None) prompter_.messageWithDetail(text::FileTexts::saveFailed(), text::saveCauseText(saved));
}

void ExchangeController::copyPhones() {
  if (st_.currentExpander >= kSlotCount) return;
  QGuiApplication::clipboard()->setText(
      phoneTableText(st_.image, static_cast<uint16_t>(1u << st_.currentExpander), u'\t'));
}

void ExchangeController::pastePhones() {
  if (st_.busy || st_.currentExpander >= kSlotCount) return;
  BusyGuard busy(st_);
  const ImportedPhones rows = readPhonesText(QGuiApplication::clipboard()->text(), st_.currentExpander);
  auto built = std::make_unique<ConfigImage>();
  const ImportResult r =
      buildImport(st_.image, ExpanderSet{st_.expanderCount, st_.expanderMask}, rows, ImportMode::Append, *built);
  if (r.ok()) {
    applyImport(*built);
    return;
  }
  ImportDialog dlg(
      window_, ui::ExchangeUiTexts::pasteCaption(),
      ui::ExchangeUiTexts::pasteSourceLabel().arg(slotChar(st_.currentExpander)), [&r](ImportMode) { return r; },
      false);
  dlg.exec();
}

void ExchangeController::findPhone() {
  if (!find_) {
    find_ = new FindDialog(window_, [this](const QString& t) { findNextPhone(t); });
    // Below the main window where there is room, so that it does not hide the rows it finds.
    find_->adjustSize();
    const QRect frame = window_->frameGeometry();
    const QPoint below(frame.left() + 140, frame.bottom() + 8);
    const QScreen* screen = window_->screen();
    if (screen && screen->availableGeometry().contains(QRect(below, find_->frameGeometry().size())))
      find_->move(below);
  }
  find_->show();
  find_->raise();
  find_->activateWindow();
  find_->text()->setFocus();
  find_->text()->selectAll();
}

void ExchangeController::findNextPhone(const QString& needle) {
  std::optional<PhonePlace> after;
  if (st_.phoneSelected()) after = PhonePlace{st_.currentExpander, st_.currentPhoneIndex};
  const std::optional<PhonePlace> found = orbisk::findPhone(st_.image, presentSlots(st_), needle, after);
  if (!found) {
    prompter_.message(ui::ExchangeUiTexts::notFound());
    return;
  }
  QTreeWidgetItem* root = v_.TreeView1->topLevelItem(0);
  for (int i = 0; root && i < root->childCount(); ++i)
    if (slotFromLabel(root->child(i)->text(0)) == found->slot) v_.TreeView1->setCurrentItem(root->child(i));
  if (QTreeWidgetItem* row = v_.ListView1->topLevelItem(found->index)) {
    v_.ListView1->setCurrentItem(row);
    v_.ListView1->scrollToItem(row);
  }
}

void ExchangeController::findNextAgain() {
  if (find_ && !find_->text()->text().isEmpty()) findNextPhone(find_->text()->text());
  else findPhone();
}

}  // namespace orbisk
