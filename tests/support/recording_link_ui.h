// A LinkUi that remembers everything the conversations showed.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/link/link_ui.h"

namespace orbisk::test {

class RecordingLinkUi : public LinkUi {
 public:
  void setProgressVisible(bool v) override {
    visible = v;
    visibility.push_back(v);
  }
  void setProgress(int p) override { progress.push_back(p); }
  void setStatusText(const QString& t) override { statuses.append(t); }
  void setTimeLabels(const QString& a, const QString& b) override {
    label4 = a;
    label5 = b;
  }
  void repaintNow() override { ++repaints; }
  void refreshViews() override { ++refreshes; }
  void bytesMoved(long d, long t) override {
    done = d;
    total = t;
    lastWasEstimate = false;
    if (onBytes) onBytes(d, t);
  }
  void bytesMovedEstimate(long d, long t) override {
    ++estimates;
    bytesMoved(d, t);
    lastWasEstimate = true;
  }
  QString status() const { return statuses.isEmpty() ? QString() : statuses.last(); }

  bool visible = false;
  std::vector<bool> visibility;
  std::vector<int> progress;
  QStringList statuses;
  QString label4, label5;
  int repaints = 0;
  int refreshes = 0;
  long done = 0, total = 0;
  int estimates = 0;             // progress shown with a total still estimated
  bool lastWasEstimate = false;
  std::function<void(long, long)> onBytes;
};

}  // namespace orbisk::test
