#include "files/LoadImageThread.h"

#include "files/IQImageIO.h"

#include <QDebug>

LoadImageThread::LoadImageThread(const QList<QString>& files)
    : m_files(files)
{
}

void LoadImageThread::run()
{
    for (int i = 0; i < m_files.size(); ++i) {
        const QString& path = m_files.at(i);
        QString error;
        const QImage image = IQImageIO::readImage(path, &error);
        if (image.isNull()) {
            qWarning("LoadImageThread::run: cannot read '%s': %s", qUtf8Printable(path), qUtf8Printable(error));
            emit failed(i, path, error);
        }
        emit loaded(i, path, image);
    }
}
