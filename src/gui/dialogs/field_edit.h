// One edit field of the telephone editor with its per-character filter.
// Typed, pasted, dropped and composed text all pass the same rules (records/field_rules.h).
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace orbisk {

class FieldEdit : public QLineEdit {
  Q_OBJECT
 public:
  enum class Kind { Number, Cell, Qualifier, Comment };

  // A cell until the form that holds it gives it its kind.
  explicit FieldEdit(QWidget* parent = nullptr);
  Kind kind() const { return kind_; }
  void setKind(Kind kind);

 signals:
  // A cell took a typed character; the dialog moves the focus on.
  void characterAccepted();
  // Left (-1) or Right (+1) arrow in a cell.
  void stepRequested(int direction);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  bool isCell() const { return kind_ == Kind::Cell || kind_ == Kind::Qualifier; }
  // Key filter for one typed character; false drops it.
  bool typedCharacter(QChar c);
  void pasteFrom(QClipboard::Mode mode);
  void insertFiltered(const QString& text);

  Kind kind_ = Kind::Cell;
};

}  // namespace orbisk
