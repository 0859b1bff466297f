#include <gtest/gtest.h>

#include <QLabel>

#include <QApplication>
#include <QCloseEvent>
#include <stdexcept>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProgressBar>
#include <QSettings>
#include <QToolBar>

#include "gui/main_window/guarded_application.h"
#include "core/files/rcf_file.h"
#include "core/link/receiver.h"
#include "gui/main_window/files_controller.h"
#include "gui/main_window/transfers_controller.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(MainWindow, FirstStartTitleStatusAndState) {
  MainWindowFixture f;
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData1 - Orbisk1_14"));
  EXPECT_EQ(f.form->statusText(0), QStringLiteral("COM1"));
  EXPECT_EQ(f.form->statusText(2), QStringLiteral("OrbData1"));
  EXPECT_EQ(f.st().currentExpander, kReceiverNode);
  EXPECT_TRUE(f.st().untitled);
  EXPECT_FALSE(f.form->progressBar()->isVisible());
  EXPECT_EQ(f.img()[off::kHandshake], 0x12);

  f.st().modified = true;
  f.form->updt1();
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData1* - Orbisk1_14"));
  EXPECT_EQ(f.form->statusText(2), QStringLiteral("OrbData1*"));

  // A path too long for the panel is whole in its tool-tip.
  f.st().filePath = QStringLiteral("/srv/central/receivers/district-7/building-12/site-archive/ОрбДанные-2026.rcf");
  f.form->updt1();
  EXPECT_EQ(f.form->findChild<QLabel*>(QStringLiteral("StatusPanel2"))->toolTip(), f.st().filePath + u'*');
}

TEST(MainWindow, StoredPreferencesAreReadAtStart) {
  TempCwd other;
  MainWindowFixture f;
  {
    QSettings s(f.dir.path("prefs.ini"), QSettings::IniFormat);
    s.setValue("pr", "/dev/ttyUSB3");
    s.setValue("fn", other.root());
  }
  ScriptedPrompter p;
  TForm1 second(&p, Preferences(f.dir.path("prefs.ini")));
  EXPECT_EQ(second.statusText(0), QStringLiteral("/dev/ttyUSB3"));
  EXPECT_EQ(second.state().defaultDirectory, other.root());
}

TEST(MainWindow, FirstActivationReadsOnceThenOnlyRetitles) {
  MainWindowFixture f;
  int reads = 0;
  f.form->firstActivationRead = [&] {
    ++reads;
    f.form->transfers().receiver().link().setOutcome(LinkOutcome::NoReceiver);
    return false;
  };
  f.form->FormActivate();
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(f.form->transfers().receiver().outcome(), LinkOutcome::Ok);  // a failed start-up read is forgotten
  EXPECT_TRUE(f.st().activated);
  f.form->FormActivate();
  EXPECT_EQ(reads, 1);
}

// orbisk FILE (a double-click on the file): the file, not the receiver, fills the window.
TEST(MainWindow, AFileNamedAtStartIsOpenedInsteadOfReadingTheReceiver) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  ASSERT_TRUE(QDir().mkpath(f.dir.path("sites")));
  const QString path = f.dir.path("sites/north.rcf");
  ASSERT_EQ(writeImageFile(path, WriteMode::CreateNew, *std::make_unique<ConfigImage>()), WriteResult::Ok);
  f.form->openAtStart(path);
  f.form->FormActivate();
  EXPECT_EQ(f.st().filePath, path);
  EXPECT_FALSE(f.st().untitled);
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("north - Orbisk1_14"));
  EXPECT_EQ(f.st().image.mask(), 0);  // the sample receiver's expanders were not read
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(f.dir.path("sites")).canonicalPath());
  EXPECT_TRUE(f.prompter.messages.isEmpty());

  MainWindowFixture missing;
  missing.form->openAtStart(missing.dir.path("gone.rcf"));
  missing.form->FormActivate();
  EXPECT_EQ(missing.prompter.messages.size(), 1);  // told, and the window goes on untitled
  EXPECT_TRUE(missing.st().untitled);
}

TEST(MainWindow, ActivationAppliesTheModelRule) {
  MainWindowFixture f;
  auto* speaker = f.form->findChild<QWidget*>(QStringLiteral("Cbprinter"));
  ASSERT_NE(speaker, nullptr);
  f.form->FormActivate();
  EXPECT_FALSE(speaker->isEnabled());
  f.img()[off::kModel] = '3';
  f.form->FormActivate();
  EXPECT_TRUE(speaker->isEnabled());
}

TEST(MainWindow, MenusToolBarAndPopupsAreComplete) {
  MainWindowFixture f;
  QStringList menus;
  for (QAction* a : f.form->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"Файл", "Правка", "Команды", "Настройки", "Помощь"}));
  const char* named[] = {"NewM", "Open1", "SaveM", "Save1", "Exit1", "N6", "N7", "N8", "NDobtel", "Nizmtel",
                         "N11", "N34", "N17", "N18", "About1", "N33", "N15", "N24", "N25", "N1", "N10", "N16",
                         "Ndobav", "Nizm", "Nudal"};
  for (const char* n : named) EXPECT_NE(f.action(n), nullptr) << n;
  EXPECT_EQ(f.action("Open1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(f.action("SaveM")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

  QStringList hints;
  for (QAction* a : f.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->actions())
    hints << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
  EXPECT_EQ(hints, QStringList({"Новый", "Открыть", "Сохранить", "|", "Выбор порта", "|", "Чтение", "Запись", "|",
                                "Сравнить время", "Синхронизировать время", "|", "Настройки по умолчанию",
                                "Версия приемника"}));
  EXPECT_FALSE(f.v().N3->isEnabled());
  EXPECT_FALSE(f.v().N33->isEnabled());
  EXPECT_FALSE(f.v().Nizm->isEnabled());
}

TEST(MainWindow, ClosingWithoutChangesWritesPreferencesAndCloses) {
  MainWindowFixture f;
  QCloseEvent e;
  QApplication::sendEvent(f.form.get(), &e);
  EXPECT_TRUE(e.isAccepted());
  EXPECT_TRUE(f.prompter.questions.isEmpty());
  QSettings s(f.dir.path("prefs.ini"), QSettings::IniFormat);
  EXPECT_EQ(s.value("pr").toString(), QStringLiteral("COM1"));
  EXPECT_EQ(s.value("fn").toString(), QDir::toNativeSeparators(f.dir.root()));  // as the system writes it
}

TEST(MainWindow, ClosingWithChangesFollowsTheAnswer) {
  MainWindowFixture f;
  f.st().modified = true;

  f.prompter.answers = {Answer::Cancel};
  QCloseEvent cancel;
  QApplication::sendEvent(f.form.get(), &cancel);
  EXPECT_FALSE(cancel.isAccepted());
  EXPECT_TRUE(QFile::exists(f.dir.path("prefs.ini")));  // written before the question

  // Yes on a never-saved configuration whose Save as is cancelled: the window stays.
  f.prompter.answers = {Answer::Yes};
  QCloseEvent yesCancelled;
  QApplication::sendEvent(f.form.get(), &yesCancelled);
  EXPECT_FALSE(yesCancelled.isAccepted());
  EXPECT_EQ(f.prompter.saveDialogs, 1);

  f.prompter.answers = {Answer::Yes};
  f.prompter.saveChoices = {f.dir.path("closing.rcf")};
  QCloseEvent yesSaved;
  QApplication::sendEvent(f.form.get(), &yesSaved);
  EXPECT_TRUE(yesSaved.isAccepted());
  EXPECT_TRUE(QFile::exists(f.dir.path("closing.rcf")));

  f.st().modified = true;
  f.prompter.answers = {Answer::No};
  QCloseEvent no;
  QApplication::sendEvent(f.form.get(), &no);
  EXPECT_TRUE(no.isAccepted());
  EXPECT_EQ(f.prompter.questions.size(), 4);
}

TEST(MainWindow, ClosingWhenSaveFailsKeepsTheWindowOpen) {
  MainWindowFixture f;
  f.st().untitled = false;
  f.st().filePath = f.dir.path("missing/folder/x.rcf");
  f.st().modified = true;
  f.prompter.answers = {Answer::Yes};
  QCloseEvent e;
  QApplication::sendEvent(f.form.get(), &e);
  EXPECT_FALSE(e.isAccepted());
  EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("Не сохраняется"));
  EXPECT_TRUE(f.st().modified);
}

TEST(MainWindow, NewFromTheMenuResetsAndRetitles) {
  MainWindowFixture f;
  f.setExpanders({0, 1, 2});
  f.action("NewM")->trigger();
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData2 - Orbisk1_14"));
  EXPECT_EQ(f.nodeCount(), 0);
}

TEST(GuardedDelivery, AnExceptionIsReportedAndTheProgramGoesOn) {
  QString shown;
  const bool handled = deliverGuarded([]() -> bool { throw std::runtime_error("disk full"); },
                                      [&](const QString& t) { shown = t; });
  EXPECT_FALSE(handled);
  EXPECT_EQ(shown, QStringLiteral("disk full"));
  EXPECT_TRUE(deliverGuarded([] { return true; }, [&](const QString&) { shown = QStringLiteral("called"); }));
  EXPECT_EQ(shown, QStringLiteral("disk full"));
}

// A file whose values are out of range is shown repaired; the save that stores the repaired
// values says which, once, and a file opened afterwards starts afresh.
TEST(MainWindow, ASaveOfRepairedValuesSaysWhich) {
  MainWindowFixture f;
  auto odd = std::make_unique<ConfigImage>();
  odd->resetStartup();
  (*odd)[off::kReceiverNumber] = 0x43;
  ASSERT_EQ(writeImageFile(f.dir.path("odd.rcf"), WriteMode::CreateNew, *odd), WriteResult::Ok);
  f.prompter.openChoices = {f.dir.path("odd.rcf")};
  f.form->files().open();
  EXPECT_EQ(f.img()[off::kReceiverNumber], 2);
  f.form->files().save();
  f.form->files().save();
  EXPECT_EQ(f.prompter.messages,
            QStringList{QStringLiteral("Значения вне допустимых пределов сохранены исправленными, как их "
                                       "показывает программа:\nНомер приемника: 0x43 → 0x02")});
  EXPECT_EQ(readAll(f.dir.path("odd.rcf"))[off::kReceiverNumber], 2);

  (*odd)[off::kReceiverNumber] = 5;
  ASSERT_EQ(writeImageFile(f.dir.path("fine.rcf"), WriteMode::CreateNew, *odd), WriteResult::Ok);
  f.prompter.openChoices = {f.dir.path("fine.rcf")};
  f.form->files().open();
  f.form->files().save();
  EXPECT_EQ(f.prompter.messages.size(), 1);
}

// Tab goes from the tree through the settings, then to the telephone list and its three buttons,
// as the window was drawn, whatever order its parts are made in.
TEST(MainWindow, TabGoesFromTheTreeThroughTheSettingsToTheList) {
  MainWindowFixture f;
  QStringList order;
  QWidget* w = f.v().TreeView1;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != f.v().TreeView1 && order.size() < 18);
  EXPECT_EQ(order, QStringList({"TreeView1", "ComboBox1", "Cbformat", "Cbhandshake", "Cbnumberring", "Cblisten",
                                "Cbheart", "Cbspamdata", "Cbsms", "Cbspamsms", "Cbprinter", "Cbruslang", "Cbcomment",
                                "Cbled", "ListView1", "Bdobtel", "Bizmtel", "Budaltel"}));
}
