#pragma once

// A message bus of the test's own: a dbus-daemon with its own configuration
// in a temporary folder, serving as both the session and the system bus of
// the test process. Start it before the application object, so that Qt's
// bus connections find its address; it stops when the object goes, and the
// daemon is told to stop if the test process dies first.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

class PrivateMessageBus
{
public:
    PrivateMessageBus() = default;
    PrivateMessageBus(const PrivateMessageBus&) = delete;
    PrivateMessageBus& operator=(const PrivateMessageBus&) = delete;

    ~PrivateMessageBus()
    {
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            if (!m_daemon.waitForFinished(30000)) {
                m_daemon.kill();
                m_daemon.waitForFinished(30000);
            }
        }
    }

    // Starts the daemon and puts its address into DBUS_SESSION_BUS_ADDRESS
    // and DBUS_SYSTEM_BUS_ADDRESS. Empty on success, else what went wrong.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write ") + config;
        // Everyone may own any name and send anything: the bus is ours alone.
        file.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)").arg(m_dir.path()).toUtf8());
        file.close();

        m_daemon.setProgram(QStringLiteral("dbus-daemon"));
        m_daemon.setArguments({QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                               QStringLiteral("--print-address=1")});
        m_daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start();
        if (!m_daemon.waitForStarted(30000))
            return QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(30000))
                return QStringLiteral("dbus-daemon printed no address: ")
                    + QString::fromLocal8Bit(m_daemon.readAllStandardError());
        }
        const QByteArray address = m_daemon.readLine().trimmed();
        if (address.isEmpty())
            return QStringLiteral("dbus-daemon printed an empty address");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        m_address = QString::fromLatin1(address);
        return QString();
    }

    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};
