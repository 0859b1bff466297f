// A menu item named as the tests and the window's own code find it, owned by owner rather than
// by the menu, so that it outlives a menu rebuilt.
#pragma once

#include <QAction>
#include <QMenu>

namespace orbisk {

inline QAction* menuItem(QObject* owner, QMenu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setParent(owner);
  return a;
}

}  // namespace orbisk
