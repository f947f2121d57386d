#pragma once

#include <QString>
#include <QWidget>

namespace kv::test {

// The control under `w` whose object name is `name` ("imgBtnTog_5").
template <typename T>
T* Find(QWidget* w, const QString& name) {
  T* found = w->findChild<T*>(name);
  if (!found) qFatal("no control %s", qPrintable(name));
  return found;
}

}  // namespace kv::test
