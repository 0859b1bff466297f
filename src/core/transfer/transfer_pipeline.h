// The transfers of a whole configuration as both programs run them. A read is checked (and
// read twice when asked), saved as it came and kept as a backup; a write is read back,
// compared with what was sent, then kept. Each ends in one report, so no caller strings the
// steps together by hand.
#pragma once

#include <QStringList>
#include <functional>

#include "core/history/backup_store.h"
#include "core/link/receiver.h"

namespace orbisk {

enum class TransferOutcome {
  Done,            // read, checked and saved; or written and (when asked) verified
  ReceiverFailed,  // the conversation failed: its status text and result code tell
  Stopped,         // Ctrl+C or a closing window
  Damaged,         // read whole, but a check failed or two reads differ: not taken
  Mismatch,        // written, but the read-back differs or could not be had
  NotSaved,        // read and taken, but the output file could not be saved
};

struct TransferReport {
  TransferOutcome outcome = TransferOutcome::ReceiverFailed;
  LinkOutcome link = LinkOutcome::Ok;  // how the failed conversation ended
  bool partial = false;     // a write failed after the receiver answered: it may hold part of it
  QStringList problems;     // what looks damaged or differs, one piece a line
  bool backupTried = false;
  BackupResult backup;      // the backup kept (suspect for Damaged and Mismatch), or why not
  QString saveProblem;      // why the output file was not saved
};

// Saves what a read brought; returns why it could not, empty when it did.
using ReadSaver = std::function<QString(const ConfigImage&)>;
// Replaces path with the image through a temporary file; the problem names the cause.
ReadSaver saveReplacingAt(const QString& path);

struct ReadPlan {
  bool twice = false;  // read again and compare, for backups that matter
  ReadSaver save;      // the output; none when empty
  bool keepBackup = true;
};

struct WritePlan {
  bool verify = true;
  bool keepBackup = true;
};

class TransferPipeline {
 public:
  // folder is the backups' root: the receiver chosen in the state files them in its own folder there.
  TransferPipeline(Receiver& receiver, std::function<bool()> stopRequested = {}, QString folder = backupFolder());

  // Both tell the receiver's audit hook how they ended (a write and its verification apart).
  // image and types take the read only when it is Done or NotSaved; bytes 0 to 6 of image stay.
  TransferReport read(ConfigImage& image, ChannelTypes& types, const ReadPlan& plan);
  // image is the receiver state's image, sent by the write; it gets the new clock stamp.
  TransferReport write(const WritePlan& plan);

 private:
  TransferReport readOnce(ConfigImage& image, ChannelTypes& types, const ReadPlan& plan);
  TransferReport writeOnce(const WritePlan& plan);
  bool stopped() const { return stopRequested_ && stopRequested_(); }
  TransferReport failed() const;
  bool readChecked(ConfigImage& img, ChannelTypes& types, TransferReport& r);
  void keep(const ConfigImage& img, BackupKind kind, TransferReport& r) const;
  void verify(const ConfigImage& sent, bool keepBackups, TransferReport& r);

  Receiver& receiver_;
  std::function<bool()> stopRequested_;
  QString folder_;
  bool verifyStarted_ = false;  // the write went through and its read-back began
};

}  // namespace orbisk
