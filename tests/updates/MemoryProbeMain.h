#pragma once

#include "MemoryProbe.h"

#include <QApplication>
#include <QtTest>

namespace MemoryProbe {

// The main of a test program with a child scenario: runs `child` with the
// program's arguments when started as the child of `scenario`, else the
// tests of `Test` under an application object set up as QTEST_MAIN does.
template <class Test>
int testMain(int argc, char** argv, const char* scenario, int (*child)(const QStringList& arguments))
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (childScenario() == QLatin1String(scenario))
        return child(QCoreApplication::arguments());
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace MemoryProbe
