#include "gui/main_window/files_controller.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "core/files/file_texts.h"
#include "core/state/recent_files.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/main_actions.h"
#include "gui/main_window/menu_item.h"

namespace orbisk {
namespace {

// Tables of telephones go to the import; anything else is offered to Open, which tells a file
// that is not a configuration.
bool isPhoneTable(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("csv") || suffix == QLatin1String("xlsx");
}

}  // namespace

FilesController::FilesController(QWidget* window, MainState& st, Prompter& prompter, Preferences& prefs,
                                 FilesHooks hooks)
    : WindowController(window, st, prompter),
      prefs_(prefs),
      hooks_(std::move(hooks)),
      files_(st, st, st.defaultDirectory, prompter,
             {.selectReceiver =
                  [this] {
                    st_.treeSelectionIndex = 0;
                    st_.currentExpander = kReceiverNode;
                    st_.currentPhoneIndex = 0;
                  },
              .refresh = [this] { hooks_.refresh(); },
              .updateTitle = [this] { hooks_.updateTitle(); }}) {}

void FilesController::addFileItems(QMenu* file) {
  connect(menuItem(this, file, "NewM", tr("Новый")), &QAction::triggered, this, [this] { newFile(); });
  auto* openItem = menuItem(this, file, "Open1", tr("Открыть"));
  openItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(openItem, &QAction::triggered, this, [this] { open(); });
  auto* saveItem = menuItem(this, file, "SaveM", tr("Сохранить"));
  saveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(saveItem, &QAction::triggered, this, [this] { save(); });
  connect(menuItem(this, file, "Save1", tr("Сохранить как")), &QAction::triggered, this, [this] { saveAs(); });
  file->addSeparator();
  recent_ = file->addMenu(ui::DailyWorkTexts::recentFilesMenu());
  recent_->setObjectName(QStringLiteral("RecentFiles"));
  fillRecentMenu();
}

void FilesController::wire(const MainActions& a) {
  connect(a.newButton, &QAction::triggered, this, [this] { newFile(); });
  connect(a.openButton, &QAction::triggered, this, [this] { open(); });
  connect(a.saveButton, &QAction::triggered, this, [this] { save(); });
}

void FilesController::open() {
  files_.open();
  // A cancelled dialog leaves the open path of an earlier file: only a file now on screen counts.
  if (files_.lastOpen() == ReadResult::Ok && !st_.openPath.isEmpty() && st_.filePath == st_.openPath && !st_.modified)
    rememberFile(st_.filePath);
}

void FilesController::save() {
  const bool named = st_.untitled;
  if (files_.save() && named) rememberFile(st_.filePath);
}

void FilesController::saveAs() {
  if (files_.saveAs()) rememberFile(st_.filePath);
}

void FilesController::openNamed(const QString& path) {
  if (st_.busy || !files_.promptUnsaved()) return;
  enterFolderOf(path);
  const QString previous = st_.openPath;
  st_.openPath = path;
  if (files_.openf()) {
    st_.untitled = false;
    hooks_.refresh();
    rememberFile(path);
    return;
  }
  st_.openPath = previous;
  const bool cannotOpen = files_.lastOpen() == ReadResult::CannotOpen;
  prompter_.message(cannotOpen ? text::FileTexts::cannotOpenFile() : text::FileTexts::notConfigFile());
  // A file that cannot be opened any more leaves the list.
  if (cannotOpen) {
    prefs_.writeRecentFiles(withoutRecentFile(prefs_.readRecentFiles(), path));
    fillRecentMenu();
  }
}

void FilesController::openDropped(const QString& path) {
  if (st_.busy) return;
  if (!isPhoneTable(path)) {
    openNamed(path);
    return;
  }
  st_.busy = true;
  hooks_.importPhones(path);
  st_.busy = false;
}

QString FilesController::droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

void FilesController::fillRecentMenu() {
  recent_->clear();
  const QStringList files = prefs_.readRecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files.at(i);
    // "&1 site.rcf" opens with Alt+1; the whole path is its tool-tip.
    QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setToolTip(path);
    a->setData(path);
    connect(a, &QAction::triggered, this, [this, path] { openNamed(path); });
  }
  recent_->setToolTipsVisible(true);
  recent_->setEnabled(!files.isEmpty());
}

void FilesController::rememberFile(const QString& path) {
  prefs_.writeRecentFiles(withRecentFile(prefs_.readRecentFiles(), path));
  fillRecentMenu();
}

}  // namespace orbisk
