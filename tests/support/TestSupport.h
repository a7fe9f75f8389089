#pragma once

#include <QByteArray>
#include <QString>

// Small helpers shared by the test programs.
namespace TestSupport {

// The repository's root folder (tests find their fixtures below it).
QString sourceDir();

// Writes `bytes` to `path`, creating missing folders; fails the caller's
// test through QVERIFY-style checks when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes = QByteArray());

} // namespace TestSupport
