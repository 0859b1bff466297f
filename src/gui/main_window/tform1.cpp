#include "gui/main_window/tform1.h"

#include "core/image/repair_notes.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "gui/dialogs/about_box.h"
#include "gui/main_window/qt_prompter.h"
#include "core/link/receiver.h"
#include "gui/main_window/phones_controller.h"
#include "gui/main_window/register_controller.h"
#include "gui/main_window/exchange_controller.h"
#include "gui/main_window/files_controller.h"
#include "gui/main_window/transfers_controller.h"
#include "gui/main_window/history_controller.h"
#include "gui/main_window/report_controller.h"
#include "gui/dialogs/expander_dialog.h"
#include "gui/views/phone_list.h"
#include "gui/views/receiver_tree.h"
#include "gui/views/settings_panel.h"
#include "core/image/view_texts.h"
#include "gui/main_window/config_undo.h"
#include "gui/main_window/daily_work_texts.h"
#include "ui_main_centre.h"

namespace orbisk {

TForm1::TForm1(Prompter* prompter, Preferences prefs, PortFactory ports, Clock* clock, QWidget* parent)
    : QMainWindow(parent),
      ownPrompter_(prompter ? nullptr : std::make_unique<QtPrompter>(this)),
      prompter_(prompter ? prompter : ownPrompter_.get()),
      prefs_(std::move(prefs)),
      // A file or a new configuration replaces the image whole: nothing leads back from it. A
      // save is the state that undoing back to clears the modified mark for.
      files_(new FilesController(this, st_, *prompter_, prefs_,
                                 {.refresh =
                                      [this] {
                                        if (undo_) undo_->clear();
                                        obrfile();
                                      },
                                  .updateTitle =
                                      [this] {
                                        if (undo_ && !st_.modified) undo_->setSaved();
                                        updt1();
                                      },
                                  .importPhones = [this](const QString& path) { exchange_->importPhonesFile(path); }})),
      transfers_(new TransfersController(this, st_, *prompter_, prefs_, v_,
                                         {.refresh = [this] { obrfile(); },
                                          .clearUndo = [this] { undo_->clear(); },
                                          .promptUnsaved = [this] { return files_->commands().promptUnsaved(); },
                                          .setStatusText = [this](int panel, const QString& text) { setStatusText(panel, text); },
                                          .statusText = [this](int panel) { return statusText(panel); }},
                                         std::move(ports), clock)),
      report_(new ReportController(this, st_, *prompter_)),
      history_(new HistoryController(this, st_, *prompter_,
                                     {.openCopy = [this](const QString& path) { files_->commands().openCopy(path); },
                                      .receiverNamesByFolder = [this] { return register_->receiverNamesByFolder(); },
                                      .readReceiver = [this](ConfigImage& img) { return transfers_->readForComparison(img); }})),
      exchange_(new ExchangeController(this, st_, *prompter_, v_, editHooks())),
      phones_(new PhonesController(this, st_, *prompter_, v_,
                                   {editHooks(), [this] { lvclick(); }, [this] { exchange_->pastePhones(); }})),
      register_(new RegisterController(this, st_, *prompter_, a_, *history_,
                                       {.openNamed = [this](const QString& path) { files_->commands().openNamed(path); },
                                        .updateTitle = [this] { updt1(); }})) {
  setObjectName(QStringLiteral("TForm1"));
  // Stored preferences first; the working folder follows them when they exist.
  if (rereg(st_, st_.defaultDirectory, prefs_) && !st_.defaultDirectory.isEmpty()) QDir::setCurrent(st_.defaultDirectory);
  st_.image.resetStartup();

  buildCentre();
  buildMenus();
  buildToolBar();
  buildPopups();
  buildStatusBar();
  statusPanels_[0]->setText(st_.portName);
  resize(696, 480);
  setAcceptDrops(true);

  AboutBox = new TAboutBox(this);
  ExpanderDialog = new TForm3(st_, *prompter_, this);
  files_->wire(a_);
  phones_->wire(a_);
  transfers_->wire(a_, {statusBar(), {statusPanels_[0], statusPanels_[1], statusPanels_[2]}, kStatusWidths[1], ProgressBar1});
  register_->wire(a_.settings, transfers_->receiver());
  for (QAction* a : {a_.defaultsButton, a_.defaultsItem, a_.defaultsPopup})
    connect(a, &QAction::triggered, this, [this] { ToolButton14Click(); });
  firstActivationRead = [this] { return transfers_->startupRead(); };
  updt1();
}

TForm1::~TForm1() = default;

EditHooks TForm1::editHooks() {
  return {.recordChange = [this](const QString& what, const std::function<void()>& change) { recordChange(what, change); },
          .refresh = [this] { obrfile(); },
          .updateTitle = [this] { updt1(); }};
}

// The centre is drawn in main_centre.ui: the tree, the settings panel's place, the telephone list,
// the buttons under it and the progress bar, in their drawn positions at the default size.
void TForm1::buildCentre() {
  auto* centre = new QWidget(this);
  Ui::Centre form;
  form.setupUi(centre);
  setCentralWidget(centre);
  form.Label6->setText(view::ViewTexts::treeCaption());

  v_.TreeView1 = form.TreeView1;
  connect(v_.TreeView1, &QTreeWidget::currentItemChanged, this, [this] {
    if (!st_.refreshing) tv1click();
  });
  // Any click in the tree, also on empty space, leaves no telephone to change or delete.
  v_.TreeView1->viewport()->installEventFilter(this);
  connect(v_.TreeView1, &QTreeWidget::itemDoubleClicked, this, [this] { N14Click(); });

  v_.Label1 = form.Label1;
  placeSettingsPanel(form);
  connect(v_.Panel1, &SettingsPanel::edited, this, [this] { updt1(); });

  v_.ListView1 = form.ListView1;
  // The column widths were drawn for a narrow 13-pixel font; this one keeps a long number whole.
  QFont listFont = v_.ListView1->font();
  listFont.setPixelSize(11);
  v_.ListView1->setFont(listFont);
  v_.ListView1->setHeaderLabels(view::ViewTexts::phoneColumns());
  for (int c = 0; c < 6; ++c) v_.ListView1->setColumnWidth(c, kDrawnColumnWidths[c]);
  v_.ListView1->header()->setSectionsClickable(false);
  v_.ListView1->hide();
  connect(v_.ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { lvclick(); });

  v_.Panel2 = form.Panel2;
  v_.Bdobtel = form.Bdobtel;
  v_.Bizmtel = form.Bizmtel;
  v_.Budaltel = form.Budaltel;
  v_.Panel2->hide();

  ProgressBar1 = form.ProgressBar1;
  // Shown only during transfers; the tree must not jump when it comes and goes.
  QSizePolicy keep = ProgressBar1->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  ProgressBar1->setSizePolicy(keep);
  ProgressBar1->hide();
}

// The panel needs the state, which a form cannot hand it: it takes the place the form keeps.
void TForm1::placeSettingsPanel(Ui::Centre& form) {
  v_.Panel1 = new SettingsPanel(st_, form.Panel1Place->parentWidget());
  delete form.right->replaceWidget(form.Panel1Place, v_.Panel1);
  delete form.Panel1Place;
  // Made last, its controls would come last on Tab: the list and its buttons go behind them, as drawn.
  QWidget* last = nullptr;
  for (QWidget* w = v_.Panel1->nextInFocusChain(); v_.Panel1->isAncestorOf(w); w = w->nextInFocusChain())
    if (w->focusPolicy() != Qt::NoFocus) last = w;  // setTabOrder ignores a widget without focus
  for (QWidget* w : std::initializer_list<QWidget*>{form.ListView1, form.Bdobtel, form.Bizmtel, form.Budaltel}) {
    setTabOrder(last, w);
    last = w;
  }
}

void TForm1::setStatusText(int panel, const QString& text) {
  statusPanels_[panel]->setText(text);
  // The port's panel keeps its original width; a network port's name is cut there.
  if (panel == 0) statusPanels_[panel]->setToolTip(text);
}
QString TForm1::statusText(int panel) const { return statusPanels_[panel]->text(); }

void TForm1::updt1() {
  const QString star = st_.modified ? QStringLiteral("*") : QString();
  // The register's receiver, when one is chosen, between the file and the program.
  const QString receiver = st_.chosenReceiver();
  setWindowTitle(st_.shortFileName + star + QStringLiteral(" - ") +
                 (receiver.isEmpty() ? QString() : receiver + QStringLiteral(" - ")) + st_.programTitle);
  statusPanels_[2]->setText(st_.filePath + star);
  // The panel cuts a long path; its tool-tip shows all of it.
  statusPanels_[2]->setToolTip(st_.filePath + star);
}

void TForm1::obrfile() {
  // Recorded before the views repair the image, for the next save to tell.
  for (const QString& note : repairNotes(st_.image))
    if (!st_.repairedOnDisplay.contains(note)) st_.repairedOnDisplay << note;
  st_.refreshing = true;
  v_.Panel1->load();
  rebuildTree(st_, v_);
  tv1click();
  v_.TreeView1->setFocus();
  st_.refreshing = false;
}

void TForm1::tv1click() {
  if (applyTreeSelection(st_, v_)) zaplistview(st_, v_);
  // The list fill leaves Nizm and Nudal as they were; the tree selection always disables them.
  v_.Nizm->setEnabled(false);
  v_.Nudal->setEnabled(false);
}

void TForm1::lvclick() { orbisk::lvclick(st_, v_); }

void TForm1::N14Click() {
  tv1click();
  if (st_.currentExpander == kReceiverNode) return;
  recordChange(ui::DailyWorkTexts::stepSim(), [this] {
    ExpanderDialog->exec();
    obrfile();
  });
  transfers_->receiver().link().setOutcome(LinkOutcome::Ok);  // what the dialog did is no conversation's failure
  updt1();
}

void TForm1::N34Click() {
  if (st_.busy) return;
  if (st_.expanderCount >= kMaxExpanders) {
    prompter_->message(tr("больше добавить нельзя"));
    return;
  }
  recordChange(ui::DailyWorkTexts::stepAddExpander(), [this] {
    st_.busy = true;
    addExpander(st_);
    obrfile();
    st_.modified = true;
    updt1();
    st_.busy = false;
  });
}

void TForm1::About1Click() { AboutBox->exec(); }

void TForm1::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm1::FormActivate() {
  if (!st_.activated) {
    st_.activated = true;
    startWork(rereg(st_, st_.defaultDirectory, prefs_));
    obrfile();
  }
  updt1();
  v_.Panel1->applyModelRule();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
  if (watched == v_.TreeView1->viewport() && e->type() == QEvent::MouseButtonPress) {
    v_.Nizm->setEnabled(false);
    v_.Nudal->setEnabled(false);
  }
  return QMainWindow::eventFilter(watched, e);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
  // A main window has no default button of its own: Enter that the focused control leaves
  // unused presses "Добавить" while the telephone buttons are on show.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && v_.Bdobtel->isVisibleTo(this) && v_.Bdobtel->isEnabled()) {
    v_.Bdobtel->click();
    return;
  }
  QMainWindow::keyPressEvent(e);
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // Without a window manager no activation arrives; the start-up work must still run once.
  QTimer::singleShot(0, this, [this] {
    if (!st_.activated) FormActivate();
  });
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (transfers_->stopForClose()) {
    e->ignore();
    return;
  }
  if (FormClose()) e->accept();
  else e->ignore();
}

bool TForm1::FormClose() {
  wrreg(st_, st_.defaultDirectory, prefs_);
  if (!st_.modified) return true;
  switch (prompter_->ask(FileCommandTexts::askSaveChanges())) {
    case Answer::Yes: return files_->commands().save();  // a failed or cancelled save keeps the window open
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

}  // namespace orbisk
