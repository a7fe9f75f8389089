#pragma once

#include <QImage>
#include <QString>
#include <QThread>

// Writes one image to one path on its own thread, in the format the path's
// suffix names. The file is replaced only once the new one is complete, so a
// failed write leaves an existing file as it was.
//
// One worker does one job: make it, connect saved() and finished(), start()
// it once.
class SaveImageThread : public QThread
{
    Q_OBJECT

public:
    // The image is held as a copy: the caller may change its own afterwards.
    // `flag` is kept with the job and has no effect on it.
    SaveImageThread(const QImage& image, const QString& path, bool flag);

    QString path() const { return m_path; }
    bool flag() const { return m_flag; }

signals:
    // Once, from the worker thread. `succeed` is false for an unsupported
    // suffix, a folder that cannot be written, a full disk or an encoder
    // failure; the reason is logged.
    void saved(QString imageFile, bool succeed);

protected:
    void run() override;

private:
    const QString m_path;
    const QImage m_image;
    const bool m_flag;
};
