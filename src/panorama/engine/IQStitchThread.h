#pragma once

#include <QImage>
#include <QList>
#include <QRunnable>
#include <QString>
#include <QThread>

#include <atomic>

class IQPanoramaEngineController;

// Runs one stitch of the controller's engine in a worker thread and hands
// back the cropped panorama with the library's code. Started as a thread
// or run as a pool task, it stays its maker's to delete.
class IQStitchThread : public QThread, public QRunnable
{
    Q_OBJECT
public:
    IQStitchThread(IQPanoramaEngineController* controller, const QList<QString>& paths, QObject* parent = nullptr);

    void run() override;
    // Thread-safe: the running stitch ends with -1 at its next report. A
    // cancel before run() starts ends it at once.
    void cancel();

signals:
    void threadFinished(QImage image, int errorCode);
    // Right before threadFinished() with -3 when a photo could not be read:
    // which one, and the image road's reason.
    void photoRefused(QString path, QString reason);
    // Whole percentages, never going back; emitted from the worker thread.
    void progressChanged(int percent);

private:
    IQPanoramaEngineController* m_pController;
    QList<QString> m_Paths;
    std::atomic_bool m_bCancel{false};
};
