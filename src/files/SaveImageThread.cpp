#include "files/SaveImageThread.h"

#include "files/IQImageIO.h"

#include <QDebug>

SaveImageThread::SaveImageThread(const QImage& image, const QString& path, bool flag)
    : m_path(path)
    , m_image(image)
    , m_flag(flag)
{
}

void SaveImageThread::run()
{
    QString error;
    const bool succeed = IQImageIO::writeImage(m_image, m_path, &error);
    if (!succeed)
        qWarning("SaveImageThread::run: cannot write '%s': %s", qUtf8Printable(m_path), qUtf8Printable(error));
    emit saved(m_path, succeed);
}
