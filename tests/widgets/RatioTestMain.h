#pragma once

#include <QApplication>
#include <QByteArray>
#include <QtTest>

#include <initializer_list>

// Runs a widget test class once per device pixel ratio, each run in an
// application of its own made with that QT_SCALE_FACTOR, so widgets that
// read their ratio when made see the screen of that run. Tests read the
// ratio of the run with qApp->devicePixelRatio().
template <class TestClass>
int runAtRatios(int argc, char** argv, std::initializer_list<double> ratios)
{
    int failures = 0;
    for (const double ratio : ratios) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
        QApplication app(argc, argv);
        QTEST_DISABLE_KEYPAD_NAVIGATION
        qInfo("device pixel ratio %g", app.devicePixelRatio());
        TestClass test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures;
}

#define VELLUMAR_TEST_MAIN_AT_RATIOS(TestClass, ...)                   \
    int main(int argc, char** argv)                                    \
    {                                                                  \
        return runAtRatios<TestClass>(argc, argv, {__VA_ARGS__});      \
    }
