#include <gtest/gtest.h>


#include <QDir>
#include <QFile>
#include <memory>

#include "core/files/file_commands.h"
#include "core/files/rcf_file.h"
#include "support/non_regular_files.h"
#include "support/backup_env.h"
#include "support/conversation_state.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

using namespace orbisk;
using orbisk::test::readAll;
using orbisk::test::ScriptedPrompter;
using orbisk::test::TempCwd;
using orbisk::test::writeAll;
using orbisk::test::BackupFolder;

namespace {

struct Fixture {
  TempCwd dir;
  std::unique_ptr<orbisk::test::ConversationState> st = std::make_unique<orbisk::test::ConversationState>();
  QString folder;
  ScriptedPrompter p;
  int refreshes = 0;
  int titles = 0;
  int selectedBeforeRefresh = 0;  // New selects the receiver before the views show the new image
  FileCommands cmd{*st, *st, folder, p,
                   {.selectReceiver = [this] { selectedBeforeRefresh = refreshes + 1; },
                    .refresh = [this] { ++refreshes; },
                    .updateTitle = [this] { ++titles; }}};

  QString saveConfig(const QString& name, uint8_t marker) {
    auto img = std::make_unique<ConfigImage>();
    (*img)[1000] = marker;
    writeImageFile(dir.path(name), WriteMode::CreateAlways, *img);
    return dir.path(name);
  }
};

}  // namespace

TEST(FileCommands, NewNamesOrbData2ThenOrbData3InTheCurrentFolder) {
  Fixture f;
  f.st->image[50] = 9;
  f.cmd.newFile();
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData2"));
  EXPECT_EQ(f.st->filePath, QDir::toNativeSeparators(QDir::currentPath() + QStringLiteral("/OrbData2")));
  EXPECT_EQ(f.st->image[50], 0);
  EXPECT_EQ(f.st->image[off::kReceiverNumber], 2);
  EXPECT_EQ(f.st->image[off::kHandshake], 0);
  f.cmd.newFile();
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData3"));
  EXPECT_TRUE(f.st->untitled);
  EXPECT_FALSE(f.st->modified);
  EXPECT_EQ(f.refreshes, 2);
  EXPECT_EQ(f.selectedBeforeRefresh, 2);
  EXPECT_TRUE(f.p.questions.isEmpty());
}

TEST(FileCommands, BusyStopsNewOpenAndSaveAs) {
  Fixture f;
  f.st->busy = true;
  f.cmd.newFile();
  f.cmd.open();
  EXPECT_FALSE(f.cmd.saveAs());
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData1"));
  EXPECT_EQ(f.p.openDialogs + f.p.saveDialogs, 0);
  EXPECT_TRUE(f.st->busy);
}

TEST(FileCommands, UnsavedPromptOnUntitledRunsSaveAsAndCancelAbandons) {
  Fixture f;
  f.st->modified = true;
  f.st->image[50] = 9;
  f.p.answers = {Answer::Yes};  // save? yes -> Save as dialog, cancelled
  f.cmd.newFile();
  EXPECT_EQ(f.p.questions, QStringList{FileCommandTexts::askSaveChanges()});
  EXPECT_EQ(f.p.saveDialogs, 1);
  EXPECT_EQ(f.st->image[50], 9);  // nothing lost
  EXPECT_TRUE(f.st->modified);
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData1"));

  f.p.answers = {Answer::Yes};
  f.p.saveChoices = {f.dir.path("kept.rcf")};
  f.cmd.newFile();
  EXPECT_EQ(readAll(f.dir.path("kept.rcf"))[50], 9);
  EXPECT_EQ(f.st->image[50], 0);
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData2"));
}

TEST(FileCommands, UnsavedPromptNoAndCancel) {
  Fixture f;
  f.st->modified = true;
  f.p.answers = {Answer::Cancel};
  f.cmd.open();
  EXPECT_EQ(f.p.openDialogs, 0);
  EXPECT_FALSE(f.st->untitled == false);
  f.p.answers = {Answer::No};
  f.cmd.open();
  EXPECT_EQ(f.p.openDialogs, 1);
  EXPECT_FALSE(f.st->untitled);  // cleared even though the dialog was cancelled
}

TEST(FileCommands, PromptYesOnANamedFileWritesItAndGoesOn) {
  Fixture f;
  f.st->filePath = f.saveConfig("named.rcf", 1);
  f.st->untitled = false;
  f.st->modified = true;
  f.st->image[1000] = 77;
  f.p.answers = {Answer::Yes};
  f.cmd.newFile();
  EXPECT_EQ(static_cast<uint8_t>(readAll(f.dir.path("named.rcf"))[1000]), 77);

  // The named file vanished: the prompt reports it and abandons the command.
  f.st->filePath = f.dir.path("gone/named.rcf");
  f.st->untitled = false;
  f.st->modified = true;
  f.st->image[1000] = 78;
  f.p.answers = {Answer::Yes};
  f.cmd.newFile();
  EXPECT_EQ(f.p.messages.last(), QStringLiteral("не сохраняется"));
  EXPECT_EQ(f.st->image[1000], 78);
}

TEST(FileCommands, OpenGoodShortAndForeignFiles) {
  Fixture f;
  const QString good = f.saveConfig("good.rcf", 5);
  f.p.openChoices = {good};
  f.st->modified = false;
  f.cmd.open();
  EXPECT_EQ(f.st->image[1000], 5);
  EXPECT_EQ(f.st->filePath, good);
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("good"));
  EXPECT_EQ(f.refreshes, 1);
  EXPECT_EQ(f.cmd.lastOpen(), ReadResult::Ok);

  QByteArray bytes = readAll(good);
  writeAll(f.dir.path("short.rcf"), bytes.left(1000));
  bytes[4] = 'X';
  writeAll(f.dir.path("foreign.rcf"), bytes);
  f.st->modified = true;
  for (const QString& name : {QStringLiteral("short.rcf"), QStringLiteral("foreign.rcf")}) {
    f.p.answers = {Answer::No};
    f.p.openChoices = {f.dir.path(name)};
    f.cmd.open();
    EXPECT_EQ(f.p.messages.last(), QStringLiteral("Это файл не для программы Orbisk"));
    EXPECT_EQ(f.cmd.lastOpen(), ReadResult::NotConfig);
  }
  f.p.answers = {Answer::No};
  f.p.openChoices = {f.dir.path("none.rcf")};
  f.cmd.open();
  EXPECT_EQ(f.p.messages.last(), QStringLiteral("Не могу открыть файл"));
  EXPECT_EQ(f.st->image[1000], 5);
  EXPECT_EQ(f.st->filePath, good);
  EXPECT_TRUE(f.st->modified);
  EXPECT_EQ(f.refreshes, 1);
}

TEST(FileCommands, SaveAfterNewIsSaveAsAndAfterCancelledOpenWritesDirectly) {
  Fixture f;
  f.cmd.newFile();
  f.p.saveChoices = {f.dir.path("first.rcf")};
  EXPECT_TRUE(f.cmd.save());
  EXPECT_EQ(f.p.saveDialogs, 1);
  EXPECT_EQ(f.p.saveProposals.last(), f.dir.path("OrbData2").replace('/', QDir::separator()));
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("first"));
  EXPECT_FALSE(f.st->untitled);

  f.cmd.newFile();
  f.cmd.open();  // cancelled: untitled is cleared anyway
  f.st->modified = true;
  EXPECT_TRUE(f.cmd.save());
  EXPECT_EQ(f.p.saveDialogs, 1);
  EXPECT_TRUE(QFile::exists(f.st->filePath));
  EXPECT_EQ(readAll(f.st->filePath).size(), kImageSize);
  EXPECT_FALSE(f.st->modified);
}

TEST(FileCommands, SaveFailureKeepsModified) {
  Fixture f;
  f.st->untitled = false;
  f.st->filePath = f.dir.path("no/such/folder/x.rcf");
  f.st->modified = true;
  EXPECT_FALSE(f.cmd.save());
  EXPECT_EQ(f.p.messages, QStringList{QStringLiteral("Не сохраняется")});
  EXPECT_TRUE(f.st->modified);
}

TEST(FileCommands, SaveAsOntoAnExistingNameAsksAndNoReopensTheDialog) {
  Fixture f;
  const QString existing = f.saveConfig("exists.rcf", 1);
  f.st->image[1000] = 9;
  f.p.saveChoices = {existing, existing};
  f.p.answers = {Answer::No, Answer::Yes};
  EXPECT_TRUE(f.cmd.saveAs());
  EXPECT_EQ(f.p.saveDialogs, 2);
  EXPECT_EQ(f.p.questions, QStringList({QStringLiteral("есть такой файл, заменить?"),
                                        QStringLiteral("есть такой файл, заменить?")}));
  EXPECT_EQ(static_cast<uint8_t>(readAll(existing)[1000]), 9);
  EXPECT_FALSE(f.st->busy);
  EXPECT_EQ(f.st->filePath, existing);

  // A cancelled Save as leaves every command usable.
  EXPECT_FALSE(f.cmd.saveAs());
  EXPECT_FALSE(f.st->busy);
  f.cmd.newFile();
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("OrbData2"));
}

// Open on a FIFO or a device: refused at once, with the same message as a file it cannot open.
TEST(FileCommands, OpenOnAFifoOrADeviceDoesNotBlock) {
  Fixture f;
  const QStringList special = notPlainFiles(f.dir);
  ASSERT_FALSE(special.isEmpty());
  f.st->modified = false;
  for (const QString& path : special) {
    f.p.openChoices = {path};
    f.cmd.open();
    EXPECT_EQ(f.p.messages.last(), QStringLiteral("Не могу открыть файл")) << path.toStdString();
    EXPECT_EQ(f.cmd.lastOpen(), ReadResult::CannotOpen);
  }
  EXPECT_EQ(f.refreshes, 0);
}

// Save as onto a file replaces it whole, keeps the old one in the backups, and a name that is
// not a regular file is refused without the replace question.
TEST(FileCommands, SaveAsReplacingKeepsTheOldFileAndRefusesAPipe) {
  Fixture f;
  const BackupFolder backups(f.dir.path("backups"));
  const QString existing = f.saveConfig("exists.rcf", 1);
  writeAll(existing, readAll(existing) + QByteArray(500, 'T'));  // longer than an image
  const QByteArray old = readAll(existing);
  f.st->image[1000] = 9;
  f.p.saveChoices = {existing};
  f.p.answers = {Answer::Yes};
  EXPECT_TRUE(f.cmd.saveAs());
  EXPECT_EQ(readAll(existing).size(), kImageSize);
  ASSERT_EQ(backups.files("replaced").size(), 1);
  EXPECT_EQ(readAll(backups.files("replaced").first()), old);

  const QStringList special = notPlainFiles(f.dir);
  ASSERT_FALSE(special.isEmpty());
  f.p.saveChoices = {special.first()};
  f.p.questions.clear();
  EXPECT_FALSE(f.cmd.saveAs());
  EXPECT_TRUE(f.p.questions.isEmpty());
  EXPECT_EQ(f.p.messages.last(), QStringLiteral("не сохраняется"));
  EXPECT_EQ(f.p.details.last(), QStringLiteral("это не обычный файл (папка, устройство или канал)"));
  EXPECT_EQ(f.st->filePath, existing);
  EXPECT_FALSE(f.st->busy);
}

TEST(FileCommands, SaveToleratesABackupFolderThatCannotBeWrittenButSaysSo) {
  Fixture f;
  writeAll(f.dir.path("plain-file"), "x");
  const BackupFolder backups(f.dir.path("plain-file"));
  f.st->filePath = f.saveConfig("named.rcf", 1);
  f.st->untitled = false;
  f.st->modified = true;
  f.st->image[1000] = 5;
  EXPECT_TRUE(f.cmd.save());
  EXPECT_EQ(static_cast<uint8_t>(readAll(f.st->filePath)[1000]), 5);
  EXPECT_EQ(f.p.messages, QStringList{QStringLiteral("Резервная копия не сохранена: ") + f.dir.path("plain-file")});
}

// A file opened as a copy (a backup from the history) is never written by Save.
TEST(FileCommands, OpenCopyIsUntitledSoSaveAsksForAName) {
  Fixture f;
  const QString backup = f.saveConfig("2026-12-09_03-01-09_read.rcf", 4);
  const QByteArray kept = readAll(backup);
  f.cmd.openCopy(backup);
  EXPECT_EQ(f.st->image[1000], 4);
  EXPECT_TRUE(f.st->untitled);
  EXPECT_FALSE(f.st->modified);
  EXPECT_EQ(f.st->shortFileName, QStringLiteral("2026-12-09_03-01-09_read"));
  EXPECT_EQ(f.refreshes, 1);
  f.st->image[1000] = 8;
  f.st->modified = true;
  f.p.saveChoices = {f.dir.path("site.rcf")};
  EXPECT_TRUE(f.cmd.save());
  EXPECT_EQ(f.p.saveDialogs, 1);
  EXPECT_EQ(readAll(backup), kept);
  EXPECT_EQ(static_cast<uint8_t>(readAll(f.dir.path("site.rcf"))[1000]), 8);

  f.cmd.openCopy(f.dir.path("missing.rcf"));
  EXPECT_EQ(f.p.messages.last(), QStringLiteral("Не могу открыть файл"));
  EXPECT_FALSE(f.st->untitled);
}
