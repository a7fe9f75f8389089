#pragma once

#include "panorama/engine/IQFinetuneArea.h"

#include <QImage>
#include <QRunnable>
#include <QThread>

class IQPanoramaEngineController;

// Runs one fine-tune of the controller's engine in a worker thread and
// hands back the cropped panorama with the code of the re-stitch. Started
// as a thread or run as a pool task, it stays its maker's to delete.
class IQFinetuneThread : public QThread, public QRunnable
{
    Q_OBJECT
public:
    IQFinetuneThread(IQPanoramaEngineController* controller, const IQFinetuneArea& area, QObject* parent = nullptr);

    void run() override;

signals:
    void threadFinished(QImage image, int errorCode);

private:
    IQPanoramaEngineController* m_pController;
    IQFinetuneArea m_Area;
};
