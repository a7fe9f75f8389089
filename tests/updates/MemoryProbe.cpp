#include "MemoryProbe.h"

#include "ProcessMemory.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

namespace {

const char scenarioVariable[] = "VELLUMAR_MEMORY_PROBE";

} // namespace

bool MemoryProbe::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    look.start(20);
    deadline.start(timeoutMs);
    if (!done())
        loop.exec();
    return done();
}

QString MemoryProbe::childScenario()
{
    return qEnvironmentVariable(scenarioVariable);
}

MemoryProbe::Peak::Peak()
    : m_idleKiB(ProcessMemory::resetPeak())
{
}

qint64 MemoryProbe::Peak::grownKiB() const
{
    return ProcessMemory::statusKiB("VmHWM:") - m_idleKiB;
}

QString MemoryProbe::Report::value(const QString& key) const
{
    const QString prefix = key + QLatin1Char(' ');
    for (const QString& line : lines)
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return QString();
}

MemoryProbe::Report MemoryProbe::run(const QString& scenario, const QStringList& arguments, int timeoutMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(scenarioVariable), scenario);
    // Under AddressSanitizer freed blocks wait in a quarantine of up to
    // 256 MB before reuse, which would count as the child's growth; a small
    // one keeps the figure the program's own. Without the sanitizer the
    // variable is read by nobody.
    QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.isEmpty())
        sanitizer += QLatin1Char(':');
    environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer + QStringLiteral("quarantine_size_mb=4"));

    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    Report report;
    if (!child.waitForStarted(timeoutMs)) {
        report.problem = QStringLiteral("the child did not start: ") + child.errorString();
        return report;
    }
    // Waits with the event loop running, so the parent's server answers;
    // a plain loop, as QTest's waits nap between rounds and would slow it.
    if (!waitUntil([&] { return child.state() == QProcess::NotRunning; }, timeoutMs)) {
        child.kill();
        child.waitForFinished();
        report.problem = QStringLiteral("the child did not end in time");
    }
    report.lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    if (report.problem.isEmpty() && (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0))
        report.problem = QStringLiteral("the child failed (status %1)").arg(child.exitCode());
    report.ran = report.problem.isEmpty();
    if (!report.ran)
        report.problem += QStringLiteral("; its errors: ") + errors.right(4000);
    return report;
}
