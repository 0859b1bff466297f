// A menu item with its object name (the name tests find it by), owned by owner.
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
