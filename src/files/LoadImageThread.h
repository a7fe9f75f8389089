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
    // when the file could not be read. A damaged or cut-short file is never
    // delivered as a picture.
    void loaded(int index, QString imageFile, QImage image);
    // Right before loaded() with a null image: the user's message for why
    // the file could not be read ("The file is damaged or incomplete." and
    // the like), for the receiver to show.
    void failed(int index, QString imageFile, QString error);

protected:
    void run() override;

private:
    const QList<QString> m_files;
};
