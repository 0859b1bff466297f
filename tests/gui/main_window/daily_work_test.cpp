// Daily work in the main window: undo and redo, files the usual ways, the port to start with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>
#include <memory>

#include "core/files/safe_save.h"
#include "core/records/phone_codec.h"
#include "gui/main_window/config_undo.h"
#include "gui/views/settings_panel.h"
#include "gui/main_window/files_controller.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

QStringList numbers(MainWindowFixture& f) {
  QStringList out;
  for (int i = 0; i < f.v().ListView1->topLevelItemCount(); ++i) out << f.v().ListView1->topLevelItem(i)->text(0);
  return out;
}

// A configuration file with `phones` telephones in slot 0.
QString makeFile(MainWindowFixture& f, const QString& name, int phones) {
  auto img = std::make_unique<ConfigImage>();
  img->setMask(1);
  (*img)[off::kExpanderCount] = 1;
  img->setPhoneCount(0, phones);
  for (int i = 0; i < phones; ++i) packtel(img->record(0, i), "777", "0001E13000101", "x");
  const QString path = f.dir.path(name);
  EXPECT_EQ(saveImageNew(path, *img), SaveCause::None);
  return path;
}

// As a file manager drops: the window is entered first, then the file let go.
void drop(QWidget* w, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent e(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(Undo, DeletingSeveralRowsIsOneStepAndTheRowThatMovedUpIsShownSelected) {
  MainWindowFixture f;
  f.setExpanders({0}, 5);
  f.selectNode(1);
  f.v().ListView1->topLevelItem(1)->setSelected(true);
  f.v().ListView1->topLevelItem(3)->setSelected(true);
  f.v().Budaltel->click();
  EXPECT_EQ(numbers(f), QStringList({"1000", "1002", "1004"}));
  EXPECT_TRUE(f.st().modified);
  // What a second Delete acts on is what the list shows selected.
  ASSERT_EQ(f.v().ListView1->selectedItems().size(), 1);
  EXPECT_EQ(f.v().ListView1->selectedItems().constFirst()->text(0), QStringLiteral("1002"));
  EXPECT_EQ(f.st().currentPhoneIndex, 1);
  EXPECT_TRUE(f.v().Budaltel->isEnabled());

  f.action("Undo1")->trigger();
  EXPECT_EQ(numbers(f), QStringList({"1000", "1001", "1002", "1003", "1004"}));
  EXPECT_FALSE(f.st().modified) << "back at the configuration as it came";
  EXPECT_EQ(f.form->windowTitle(), QStringLiteral("OrbData1 - Orbisk1_14"));
  f.action("Redo1")->trigger();
  EXPECT_EQ(numbers(f), QStringList({"1000", "1002", "1004"}));
  EXPECT_TRUE(f.st().modified);
}

TEST(Undo, DeletingTheLastRowLeavesNothingToChangeOrDelete) {
  MainWindowFixture f;
  f.setExpanders({0}, 1);
  f.selectNode(1);
  f.v().ListView1->topLevelItem(0)->setSelected(true);
  f.v().Budaltel->click();
  EXPECT_EQ(f.img().phoneCount(0), 0);
  EXPECT_FALSE(f.v().Budaltel->isEnabled());
  EXPECT_FALSE(f.v().Bizmtel->isEnabled());
}

TEST(Undo, SettingsAndFactoryDefaultsUndoBackToTheSavedFile) {
  MainWindowFixture f;
  f.form->obrfile();
  f.prompter.saveChoices = {f.dir.path("saved.rcf")};
  f.action("Save1")->trigger();
  ASSERT_FALSE(f.st().modified);
  const uint8_t options = f.img()[off::kOptions];
  const bool heartbeat = f.v().Panel1->Cbheart->isChecked();
  f.v().Panel1->Cbheart->click();
  EXPECT_NE(f.img()[off::kOptions], options);
  f.img()[off::kAckWait] = 4;
  f.action("ToolButton14")->trigger();
  EXPECT_EQ(f.img()[off::kAckWait], 1);
  EXPECT_TRUE(f.st().modified);

  f.action("Undo1")->trigger();
  EXPECT_EQ(f.img()[off::kAckWait], 4) << "factory defaults undone";
  EXPECT_TRUE(f.st().modified);
  f.action("Undo1")->trigger();
  EXPECT_EQ(f.img()[off::kOptions], options);
  EXPECT_EQ(f.v().Panel1->Cbheart->isChecked(), heartbeat) << "the panel follows the image";
  EXPECT_FALSE(f.st().modified);
  EXPECT_FALSE(f.action("Undo1")->isEnabled());

  // Saved after a change: undoing that change leaves the file's state behind.
  f.v().Panel1->Cbheart->click();
  f.action("SaveM")->trigger();
  ASSERT_FALSE(f.st().modified);
  f.action("Undo1")->trigger();
  EXPECT_TRUE(f.st().modified);
}

TEST(Undo, AddedExpanderAndAnotherConfiguration) {
  MainWindowFixture f;
  f.action("N34")->trigger();
  ASSERT_EQ(f.nodeCount(), 1);
  f.action("Undo1")->trigger();
  EXPECT_EQ(f.nodeCount(), 0);
  EXPECT_EQ(f.img()[off::kExpanderCount], 0);
  f.action("Redo1")->trigger();
  EXPECT_EQ(f.nodeCount(), 1);

  // Opening a file starts afresh: nothing leads back into the configuration before it.
  f.prompter.answers = {Answer::No};
  f.prompter.openChoices = {makeFile(f, "other.rcf", 2)};
  f.action("Open1")->trigger();
  EXPECT_FALSE(f.form->undo().stack().canUndo());
  // A running transfer owns the image: undo waits.
  f.action("N34")->trigger();
  f.st().busy = true;
  f.action("Undo1")->trigger();
  EXPECT_EQ(f.nodeCount(), 2);
  f.st().busy = false;
}

TEST(Undo, DeletingAnExpanderClearsWhatAWriteWouldSendAndUndoBringsItBack) {
  MainWindowFixture f;
  f.setExpanders({0, 2}, 3);
  f.selectNode(2);
  f.prompter.answers = {Answer::Yes};
  f.action("DeleteExpander")->trigger();
  EXPECT_TRUE(f.prompter.questions.last().contains(QStringLiteral("2 вместе")));
  EXPECT_EQ(f.nodeCount(), 1);
  EXPECT_EQ(f.img()[off::kExpanderCount], 1);
  EXPECT_EQ(f.img().mask(), 0x0001);
  EXPECT_EQ(f.img().phoneCount(2), 0) << "every slot's count goes to the receiver";
  EXPECT_EQ(f.img().record(2, 0)[0], 0);
  f.action("Undo1")->trigger();
  EXPECT_EQ(f.nodeCount(), 2);
  EXPECT_EQ(f.img().phoneCount(2), 3);
  EXPECT_EQ(raspactel(f.img().record(2, 0), Decoding::MainWindow), QByteArray("1000"));
}

TEST(Undo, ClearingTheEventBufferAsksFirstNamingThePort) {
  MainWindowFixture f;
  f.st().portName = QStringLiteral("/dev/ttyUSB1");
  f.engine.setEventCount(5);
  f.prompter.answers = {Answer::Cancel};
  f.action("N10")->trigger();
  ASSERT_EQ(f.prompter.questions.size(), 1);
  EXPECT_TRUE(f.prompter.questions[0].contains(QStringLiteral("/dev/ttyUSB1")));
  EXPECT_EQ(f.line.opens, 0);
  EXPECT_EQ(f.engine.eventCount(), 5);
}

TEST(Files, RecentFilesRememberWhatWasOpenedAndForgetWhatIsGone) {
  MainWindowFixture f;
  const QString a = makeFile(f, "a.rcf", 1), b = makeFile(f, "b.rcf", 2);
  f.prompter.openChoices = {a, b};
  f.action("Open1")->trigger();
  f.action("Open1")->trigger();
  QMenu* recent = f.form->files().recentFilesMenu();
  ASSERT_EQ(recent->actions().size(), 2);
  EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("&1 b.rcf"));
  // Paths are kept and shown as the system writes them (C:\... on Windows).
  EXPECT_EQ(QSettings(f.dir.path("prefs.ini"), QSettings::IniFormat).value("recent2").toString(),
            QDir::toNativeSeparators(a));

  recent->actions()[1]->trigger();
  EXPECT_EQ(f.st().filePath, QDir::toNativeSeparators(a));
  EXPECT_EQ(f.img().phoneCount(0), 1);
  EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("&1 a.rcf"));

  QFile::remove(b);
  recent->actions()[1]->trigger();
  EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("Не могу открыть файл"));
  EXPECT_EQ(f.st().filePath, QDir::toNativeSeparators(a)) << "the configuration on screen stays";
  EXPECT_EQ(recent->actions().size(), 1);
}

TEST(Files, DroppedConfigurationOpensAfterTheQuestionAndATableGoesToTheImport) {
  MainWindowFixture f;
  const QString path = makeFile(f, "dropped.rcf", 2);
  f.st().modified = true;
  f.prompter.answers = {Answer::Cancel};
  drop(f.form.get(), path);
  EXPECT_EQ(f.prompter.questions, QStringList{"Файл был изменен. Сохранить изменения?"});
  EXPECT_NE(f.st().filePath, path);
  f.prompter.answers = {Answer::No};
  drop(f.form.get(), path);
  EXPECT_EQ(f.st().filePath, path);
  EXPECT_EQ(f.img().phoneCount(0), 2);

  QFile csv(f.dir.path("phones.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write("slot,number\n0,123\n");
  csv.close();
  QString shown;
  QTimer::singleShot(0, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    ASSERT_NE(dlg, nullptr);
    shown = dlg->windowTitle();
    dlg->close();
  });
  drop(f.form.get(), csv.fileName());
  EXPECT_EQ(shown, QStringLiteral("Импорт телефонов"));
}

TEST(Files, WithNoStoredPortTheFirstPortThatOpensOrNoneAndNoRead) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "on Windows the port stays COM1, the receiver program's own default, as it does there";
#endif
  MainWindowFixture f;
  f.form->serialPorts = [] { return QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}; };
  int reads = 0;
  f.form->firstActivationRead = [&] { return ++reads > 0; };
  f.form->FormActivate();
  EXPECT_EQ(f.st().portName, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(f.form->statusText(0), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(reads, 1);

  MainWindowFixture none;
  none.form->serialPorts = [] { return QStringList(); };
  none.form->firstActivationRead = [&] { return ++reads > 0; };
  none.form->FormActivate();
  EXPECT_EQ(none.st().portName, QString());
  EXPECT_EQ(reads, 1) << "nothing to read from, and no error box for a port that is not there";
  EXPECT_TRUE(none.prompter.messages.isEmpty());
}

TEST(Progress, AReadFromTheToolBarReckonsItsTotalFromTheConfigurationOnScreenAndSaysSo) {
  MainWindowFixture f;
  f.loadSampleReceiver();  // 20 telephones
  f.setExpanders({0, 1, 2, 3}, 200);
  auto* label = f.form->findChild<QLabel*>(QStringLiteral("TransferLabel"));
  f.form->show();  // at the drawn size: the text must show whole
  QStringList seen;
  bool whole = true;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (label->text().isEmpty() || (!seen.isEmpty() && seen.last() == label->text())) return;
    seen << label->text();
    QCoreApplication::processEvents();
    whole = whole && label->width() >= label->fontMetrics().horizontalAdvance(label->text());
  });
  watch.start(0);
  f.action("ToolButton6")->trigger();
  ASSERT_FALSE(seen.isEmpty());
  EXPECT_TRUE(seen.first().contains(QStringLiteral(" из 25 799 байт"))) << seen.first().toStdString();
  EXPECT_TRUE(seen.first().endsWith(QStringLiteral(" (оценка)")));
  EXPECT_TRUE(seen.last().contains(QStringLiteral(" из 839 байт"))) << "the true total once every header came";
  EXPECT_FALSE(seen.last().endsWith(QStringLiteral(" (оценка)")));
  EXPECT_TRUE(whole) << "cut at the window's drawn width";
  EXPECT_EQ(f.form->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->width(), 250) << "as drawn once the transfer ends";
  EXPECT_TRUE(f.form->findChild<QLabel*>(QStringLiteral("StatusPanel2"))->isVisible());
  f.form->hide();
}
