// Menus, tool bar, pop-up menus and status bar of the main window.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/files_controller.h"
#include "gui/main_window/history_controller.h"
#include "gui/main_window/menu_item.h"
#include "gui/main_window/report_controller.h"
#include "gui/main_window/tform1.h"
#include "gui/views/settings_panel.h"

namespace orbisk {
namespace {

// Without a desktop's icon theme Qt's is the bare fallback (hicolor), which holds programs' icons,
// not these; looking each name up there walks every one of its folders (a tenth of the start-up).
QIcon themed(const char* themeName, QStyle::StandardPixmap fallback) {
  const QIcon standard = QApplication::style()->standardIcon(fallback);
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QIcon::fallbackThemeName()) return standard;
  return QIcon::fromTheme(QString::fromLatin1(themeName), standard);
}

}  // namespace

void TForm1::buildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(tr("Файл"));
  file->setObjectName(QStringLiteral("File1"));
  files_->addFileItems(file);
  exchange_->addFileItems(file);
  history_->addFileItems(file);
  report_->addItems(file);
  file->addSeparator();
  connect(menuItem(this, file, "Exit1", tr("Выход")), &QAction::triggered, this, &QWidget::close);

  buildEditMenu(bar);

  QMenu* cmd = bar->addMenu(tr("Команды"));
  cmd->setObjectName(QStringLiteral("N5"));
  v_.N2 = cmd->addMenu(tr("Приемник"));
  v_.N2->setObjectName(QStringLiteral("N2"));
  a_.defaultsItem = menuItem(this, v_.N2, "N6", tr("Установить по умолчанию"));
  a_.compareItem = menuItem(this, v_.N2, "N7", tr("Сравнить время"));
  a_.syncItem = menuItem(this, v_.N2, "N8", tr("Синхронизировать время"));
  history_->addReceiverItem(v_.N2);
  v_.N3 = cmd->addMenu(tr("Расширитель"));
  v_.N3->setObjectName(QStringLiteral("N3"));
  v_.N3->setEnabled(false);
  a_.addPhoneItem = menuItem(this, v_.N3, "NDobtel", tr("Добавить телефон"));
  a_.changePhoneItem = menuItem(this, v_.N3, "Nizmtel", tr("Изменить телефон"));
  a_.deletePhoneItem = menuItem(this, v_.N3, "N11", tr("Удалить телефон"));
  v_.N3->addSeparator();
  connect(menuItem(this, v_.N3, "DeleteExpander", ui::DailyWorkTexts::deleteExpanderItem()), &QAction::triggered, this,
          [this] { DeleteExpanderClick(); });
  connect(menuItem(this, cmd, "N34", tr("Добавить расширитель")), &QAction::triggered, this, [this] { N34Click(); });
  exchange_->addCommandItems(cmd);

  QMenu* settings = bar->addMenu(tr("Настройки"));
  settings->setObjectName(QStringLiteral("N12"));
  a_.settings = settings;
  a_.portItem = menuItem(this, settings, "N17", tr("Порт"));

  QMenu* help = bar->addMenu(tr("Помощь"));
  help->setObjectName(QStringLiteral("Help1"));
  menuItem(this, help, "N18", QStringLiteral("Orbisk"));
  connect(menuItem(this, help, "About1", tr("О программе")), &QAction::triggered, this, [this] { About1Click(); });
}

void TForm1::buildToolBar() {
  QToolBar* tb = addToolBar(QStringLiteral("ToolBar1"));
  tb->setObjectName(QStringLiteral("ToolBar1"));
  tb->setMovable(false);
  tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
  auto button = [&](const char* name, const QString& hint, QIcon icon) {
    QAction* a = tb->addAction(icon, hint);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    return a;
  };
  a_.newButton = button("ToolButton1", tr("Новый"), themed("document-new", QStyle::SP_FileIcon));
  a_.openButton = button("ToolButton2", tr("Открыть"), themed("document-open", QStyle::SP_DialogOpenButton));
  a_.saveButton = button("ToolButton3", tr("Сохранить"), themed("document-save", QStyle::SP_DialogSaveButton));
  tb->addSeparator();
  a_.portButton = button("ToolButton9", tr("Выбор порта"), themed("preferences-system", QStyle::SP_ComputerIcon));
  tb->addSeparator();
  a_.readButton = button("ToolButton6", tr("Чтение"), themed("go-down", QStyle::SP_ArrowDown));
  a_.writeButton = button("ToolButton7", tr("Запись"), themed("go-up", QStyle::SP_ArrowUp));
  tb->addSeparator();
  a_.compareButton =
      button("ToolButton11", tr("Сравнить время"), themed("appointment-new", QStyle::SP_FileDialogDetailedView));
  a_.syncButton =
      button("ToolButton13", tr("Синхронизировать время"), themed("view-refresh", QStyle::SP_BrowserReload));
  tb->addSeparator();
  a_.defaultsButton =
      button("ToolButton14", tr("Настройки по умолчанию"), themed("edit-undo", QStyle::SP_DialogResetButton));
  a_.versionButton =
      button("ToolButton4", tr("Версия приемника"), themed("help-about", QStyle::SP_MessageBoxInformation));
}

void TForm1::buildPopups() {
  // Tree: "Телефонный номер", separator, "Выход"
  auto* popup1 = new QMenu(this);
  popup1->setObjectName(QStringLiteral("PopupMenu1"));
  v_.N33 = menuItem(this, popup1, "N33", tr("Телефонный номер"));
  v_.N33->setEnabled(false);
  connect(v_.N33, &QAction::triggered, this, [this] { N14Click(); });
  exchange_->addPopupItems(popup1);
  popup1->addSeparator();
  connect(menuItem(this, popup1, "N15", tr("Выход")), &QAction::triggered, this, &QWidget::close);
  v_.TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(v_.TreeView1, &QWidget::customContextMenuRequested, this,
          [this, popup1](const QPoint& p) { popup1->exec(v_.TreeView1->viewport()->mapToGlobal(p)); });

  // Settings panel
  auto* popup2 = new QMenu(this);
  popup2->setObjectName(QStringLiteral("PopupMenu2"));
  a_.comparePopup = menuItem(this, popup2, "N24", tr("Сравнить время в приемнике с компьютерным"));
  a_.syncPopup = menuItem(this, popup2, "N25", tr("Синхронизировать время"));
  a_.defaultsPopup = menuItem(this, popup2, "N1", tr("Настройки по умолчанию"));
  popup2->addSeparator();
  a_.clearEventsPopup = menuItem(this, popup2, "N10", tr("очистить буфер событий"));
  popup2->addSeparator();
  connect(menuItem(this, popup2, "N16", tr("Выход")), &QAction::triggered, this, &QWidget::close);
  v_.Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(v_.Panel1, &QWidget::customContextMenuRequested, this,
          [this, popup2](const QPoint& p) { popup2->exec(v_.Panel1->mapToGlobal(p)); });

  // Telephone list
  auto* popup3 = new QMenu(this);
  popup3->setObjectName(QStringLiteral("PopupMenu3"));
  v_.Ndobav = menuItem(this, popup3, "Ndobav", tr("Добавить"));
  v_.Nizm = menuItem(this, popup3, "Nizm", tr("Изменить"));
  v_.Nudal = menuItem(this, popup3, "Nudal", tr("Удалить"));
  v_.Nizm->setEnabled(false);
  v_.Nudal->setEnabled(false);
  v_.ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(v_.ListView1, &QWidget::customContextMenuRequested, this,
          [this, popup3](const QPoint& p) { popup3->exec(v_.ListView1->viewport()->mapToGlobal(p)); });
}

void TForm1::buildStatusBar() {
  QStatusBar* sb = statusBar();
  sb->setObjectName(QStringLiteral("StatusBar1"));
  sb->setSizeGripEnabled(false);
  const int* widths = kStatusWidths;
  for (int i = 0; i < 3; ++i) {
    auto* panel = new QLabel(sb);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    if (widths[i] > 0) {
      panel->setFixedWidth(widths[i]);
    } else {
      // A long path must not push the transfer's progress out of sight: it is cut (its
      // tool-tip holds it whole), down to the drawn 50 pixels.
      panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      panel->setMinimumWidth(50);
    }
    // The last panel takes the rest, so a long file path stays readable.
    sb->addPermanentWidget(panel, widths[i] > 0 ? 0 : 1);
    statusPanels_[i] = panel;
  }
}

}  // namespace orbisk
