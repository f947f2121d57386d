#pragma once

#include <QByteArray>
#include <QString>

#include "support/test_session.h"

namespace kv::test {

// A layout "name" in the session's program folder.
void UseLayout(TestSession& t, const QString& name = QStringLiteral("My Layout"));

// A file of that layout's folder, by name ("track.txt").
QString LayoutPath(const TestSession& t, const QString& file);
void WriteLayoutFile(const TestSession& t, const QString& file, const QByteArray& bytes);
QByteArray ReadLayoutFile(const TestSession& t, const QString& file);

// A small picture file at a program-folder path ("\data\pictures\shed.bmp").
void WriteBitmap(const TestSession& t, const QString& stored);

}  // namespace kv::test
