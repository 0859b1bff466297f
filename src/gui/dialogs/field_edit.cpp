#include "gui/dialogs/field_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "core/records/field_rules.h"

namespace orbisk {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) { setKind(Kind::Cell); }

void FieldEdit::setKind(Kind kind) {
  kind_ = kind;
  setMaxLength(isCell() ? 1 : kind == Kind::Number ? kNumberFieldMax : kCommentFieldMax);
  setAlignment(isCell() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
  e->accept();
  if (e->matches(QKeySequence::Paste)) {
    pasteFrom(QClipboard::Clipboard);
    return;
  }
  const int key = e->key();
  if (isCell() && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    emit stepRequested(key == Qt::Key_Left ? -1 : 1);
    return;
  }
  // Backspace counts as a typed character: the number always takes it, a full comment and the
  // cells do not.
  if (key == Qt::Key_Backspace) {
    if (kind_ == Kind::Number || (kind_ == Kind::Comment && text().size() < kCommentFieldMax))
      QLineEdit::keyPressEvent(e);
    return;
  }
  const QString typed = e->text();
  if (typed.isEmpty() || !typed.at(0).isPrint()) {
    // Not a character: Delete, Home, End, Enter, shortcuts go their usual way.
    QLineEdit::keyPressEvent(e);
    return;
  }
  switch (kind_) {
    case Kind::Number:
      if (text().size() >= kNumberFieldMax) return;
      if (typed.size() == 1 && numberAccepts(typed.at(0))) QLineEdit::keyPressEvent(e);
      else if (typed.size() > 1) insertFiltered(typed);
      return;
    case Kind::Comment:
      if (text().size() >= kCommentFieldMax) return;
      if (typed.size() == 1 && commentAccepts(typed.at(0))) QLineEdit::keyPressEvent(e);
      else if (typed.size() > 1) insertFiltered(typed);
      return;
    case Kind::Cell:
    case Kind::Qualifier:
      // The typed character replaces the whole cell and the caret moves on.
      if (const auto c = firstCellChar(typed, kind_ == Kind::Qualifier)) {
        setText(QString(*c));
        emit characterAccepted();
      }
      return;
  }
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    pasteFrom(QClipboard::Selection);
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
  // A click in a cell selects its one character, ready to be typed over.
  if (isCell() && e->button() == Qt::LeftButton) selectAll();
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's Paste is the action wired to QLineEdit::paste; it is rewired through the filter.
  for (QAction* action : menu->actions()) {
    // Older Qt wires it by signature, newer by member pointer.
    bool wasPaste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
    wasPaste = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) || wasPaste;
    if (wasPaste)
      connect(action, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
  }
  menu->popup(e->globalPos());
}

void FieldEdit::dropEvent(QDropEvent* e) {
  if (isReadOnly() || !e->mimeData()->hasText()) {
    e->ignore();
    return;
  }
  deselect();
  setCursorPosition(cursorPositionAt(e->position().toPoint()));
  insertFiltered(e->mimeData()->text());
  e->setDropAction(Qt::CopyAction);
  e->accept();
}

void FieldEdit::inputMethodEvent(QInputMethodEvent* e) {
  const QString commit = e->commitString();
  if (commit.isEmpty()) {
    QLineEdit::inputMethodEvent(e);
    return;
  }
  // Keep the composition display, but let the committed text through the filter only.
  QInputMethodEvent rest(e->preeditString(), e->attributes());
  QLineEdit::inputMethodEvent(&rest);
  if (isCell()) {
    if (const auto c = firstCellChar(commit, kind_ == Kind::Qualifier)) {
      setText(QString(*c));
      emit characterAccepted();
    }
  } else if (text().size() < maxLength()) {
    insertFiltered(commit);
  }
  e->accept();
}

void FieldEdit::pasteFrom(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  insertFiltered(QGuiApplication::clipboard()->text(mode));
}

void FieldEdit::insertFiltered(const QString& text) {
  switch (kind_) {
    case Kind::Number:
      insert(filterNumberText(text));  // maxLength cuts it to the room left
      return;
    case Kind::Comment:
      insert(filterCommentText(text));
      return;
    case Kind::Cell:
    case Kind::Qualifier:
      if (const auto c = firstCellChar(text, kind_ == Kind::Qualifier)) setText(QString(*c));
      return;
  }
}

}  // namespace orbisk
