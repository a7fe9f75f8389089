#include "files/IQFileItem.h"

#include <QFileInfo>
#include <QUuid>

IQFileItem::IQFileItem(const QString& path)
    : m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_path(path)
    , m_dateTime(QDateTime::currentDateTime())
{
}

IQFileItem::~IQFileItem() = default;

QString IQFileItem::suffix()
{
    return QFileInfo(m_path).suffix();
}

QDateTime IQFileItem::birthTime()
{
    return QFileInfo(m_path).fileTime(QFileDevice::FileBirthTime);
}

QDateTime IQFileItem::dateTime()
{
    return m_dateTime;
}

QString IQFileItem::id()
{
    return m_id;
}

QString IQFileItem::fileName()
{
    return QFileInfo(m_path).fileName();
}

void IQFileItem::setPath(const QString& path)
{
    m_path = path;
}

QImage IQFileItem::image()
{
    return QImage();
}

QString IQFileItem::path()
{
    return m_path;
}
