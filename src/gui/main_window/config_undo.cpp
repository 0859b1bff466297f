#include "gui/main_window/config_undo.h"

#include <QByteArray>
#include <QUndoStack>
#include <algorithm>
#include <cstring>

namespace orbisk {
namespace {

constexpr int kUndoSteps = 200;

// The bytes from the first to the last that differ, before and after.
struct ImageSpan {
  int from = 0;
  QByteArray before;
  QByteArray after;
};

bool differ(const ConfigImage& a, const ConfigImage& b, ImageSpan& span) {
  const uint8_t* pa = a.data();
  const uint8_t* pb = b.data();
  const auto first = std::mismatch(pa, pa + kImageSize, pb);
  if (first.first == pa + kImageSize) return false;
  int last = kImageSize - 1;
  while (pa[last] == pb[last]) --last;
  span.from = static_cast<int>(first.first - pa);
  const int n = last - span.from + 1;
  span.before = QByteArray(reinterpret_cast<const char*>(pa + span.from), n);
  span.after = QByteArray(reinterpret_cast<const char*>(pb + span.from), n);
  return true;
}

class ImageStep : public QUndoCommand {
 public:
  ImageStep(const QString& what, ImageSpan span, MainState& st, int nodeBefore)
      : QUndoCommand(what), span_(std::move(span)), st_(st), nodeBefore_(nodeBefore),
        nodeAfter_(st.treeSelectionIndex) {}

  void undo() override { put(span_.before, nodeBefore_); }
  void redo() override {
    // Pushed after the change itself has run: the image already holds these bytes.
    if (pushed_) put(span_.after, nodeAfter_);
    pushed_ = true;
  }

 private:
  void put(const QByteArray& bytes, int node) {
    std::memcpy(st_.image.data() + span_.from, bytes.constData(), static_cast<size_t>(bytes.size()));
    // The node the change was made on comes back into view with it.
    st_.treeSelectionIndex = node;
  }

  ImageSpan span_;
  MainState& st_;
  int nodeBefore_;
  int nodeAfter_;
  bool pushed_ = false;
};

}  // namespace

ConfigUndo::ConfigUndo(MainState& st, std::function<void()> show, QObject* parent)
    : QObject(parent), st_(st), show_(std::move(show)), stack_(std::make_unique<QUndoStack>()) {
  stack_->setUndoLimit(kUndoSteps);
}

ConfigUndo::~ConfigUndo() = default;

void ConfigUndo::record(const QString& what, const std::function<void()>& change) {
  begin();
  change();
  commit(what);
}

void ConfigUndo::begin() {
  if (depth_++ > 0) return;
  before_ = std::make_unique<ConfigImage>(st_.image);
  wasModified_ = st_.modified;
  nodeBefore_ = st_.treeSelectionIndex;
}

void ConfigUndo::commit(const QString& what) {
  if (depth_ == 0 || --depth_ > 0) return;
  std::unique_ptr<ConfigImage> before = std::move(before_);
  // Which node is selected is written into the image on every click; it is no change.
  (*before)[off::kLastNode] = st_.image[off::kLastNode];
  ImageSpan span;
  if (differ(*before, st_.image, span)) {
    stack_->push(new ImageStep(what, std::move(span), st_, nodeBefore_));
  } else if (st_.modified && !wasModified_) {
    // Marked changed with the same bytes: no step to undo, and no way back to "saved".
    stack_->resetClean();
  }
}

void ConfigUndo::undo() {
  if (st_.busy || !stack_->canUndo()) return;
  stack_->undo();
  st_.modified = !stack_->isClean();
  show_();
}

void ConfigUndo::redo() {
  if (st_.busy || !stack_->canRedo()) return;
  stack_->redo();
  st_.modified = !stack_->isClean();
  show_();
}

void ConfigUndo::clear() { stack_->clear(); }

void ConfigUndo::setSaved() { stack_->setClean(); }

}  // namespace orbisk
