#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Peak memory of one transfer, measured in a process of its own, where no
// test before it has left memory behind. The test program starts itself
// again with the variable below set to a scenario name; the child runs that
// scenario and reports on its standard output, one "key value" line each.
// The parent keeps its event loop running meanwhile, so a loopback server of
// the parent answers the child.
namespace MemoryProbe {

// The scenario this process runs as a child; empty in the test itself.
QString childScenario();

// How far the resident size rose above what it was at construction. The
// kernel's high-water mark is reset then (getrusage's maximum would not
// do: after exec it still holds the forked parent's size).
class Peak
{
public:
    Peak();
    qint64 grownKiB() const;

private:
    qint64 m_idleKiB;
};

// Runs the event loop until `done` holds (looked at every 20 ms); false
// after `timeoutMs`. Unlike QTest's waits it never naps between rounds of
// events, so transfers run at full speed.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

struct Report
{
    bool ran = false;   // the child started and exited normally with status 0
    QString problem;    // why not, with the child's error output
    QStringList lines;  // its standard output
    // The value of the line "key value", or empty.
    QString value(const QString& key) const;
};

// Runs this program again as a child for `scenario` with `arguments` and
// waits up to `timeoutMs` for it.
Report run(const QString& scenario, const QStringList& arguments, int timeoutMs);

} // namespace MemoryProbe
