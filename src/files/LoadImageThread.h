#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QThread>

// Reads a list of image files one after the other on its own thread and
// hands each over as soon as it is decoded.
//
// One worker does one job: make it with the paths (copied in), connect
// loaded() and finished(), start() it once. There is no early stop.
class LoadImageThread : public QThread
{
    Q_OBJECT

public:
    explicit LoadImageThread(const QList<QString>& files);

    QList<QString> files() const { return m_files; }

signals:
    // Once for every path, in list order, from the worker thread (queued to
    // receivers in other threads). `index` counts from 0; `image` is null
    // when the file could not be read, and the reason is logged.
    void loaded(int index, QString imageFile, QImage image);

protected:
    void run() override;

private:
    const QList<QString> m_files;
};
