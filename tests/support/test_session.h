#pragma once

#include <QApplication>
#include <QByteArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"

namespace kv::test {

// A session over a fresh temporary program folder, with scripted dialogs and virtual time.
struct TestSession {
  TestSession();
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  VirtualScheduler scheduler;
  Session session;

  // A program-folder path ("\data\sundries\version.txt") as a real path.
  QString Path(const QString& stored) const;
  QByteArray Read(const QString& stored) const;
  void Write(const QString& stored, const QByteArray& bytes) const;
  bool Exists(const QString& stored) const;
};

// Titles of every dialog shown so far, in order.
QStringList Titles(const ScriptedDialogs& dialogs);

}  // namespace kv::test

// Like QTEST_MAIN, with QStandardPaths in test mode so no test touches a user's settings.
#define KV_TEST_MAIN(TestClass)                          \
  int main(int argc, char** argv) {                      \
    QStandardPaths::setTestModeEnabled(true);            \
    QApplication app(argc, argv);                        \
    QApplication::setApplicationName("KelvarneTest");    \
    TestClass test;                                      \
    return QTest::qExec(&test, argc, argv);              \
  }
