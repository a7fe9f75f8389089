#include "rawplugin/QRawPlugin.h"

#include "rawplugin/RawIOHandler.h"

QStringList QRawPlugin::keys()
{
    return {QStringLiteral("crw"), QStringLiteral("cr2"), QStringLiteral("cr3"), QStringLiteral("arw"),
            QStringLiteral("sr2"), QStringLiteral("srf"), QStringLiteral("nef"), QStringLiteral("nrw"),
            QStringLiteral("raf"), QStringLiteral("orf"), QStringLiteral("dng"), QStringLiteral("pef"),
            QStringLiteral("mrw"), QStringLiteral("x3f"), QStringLiteral("rw2"), QStringLiteral("raw")};
}

QImageIOPlugin::Capabilities QRawPlugin::capabilities(QIODevice* device, const QByteArray& format) const
{
    static const QStringList known = keys();
    if (known.contains(QString::fromLatin1(format), Qt::CaseSensitive))
        return CanRead;
    if (format == "tif" || format == "tiff")
        return CanRead;
    if (!format.isEmpty())
        return {};
    if (!device || !device->isReadable())
        return {};
    return RawIOHandler::canRead(device) ? CanRead : Capabilities();
}

QImageIOHandler* QRawPlugin::create(QIODevice* device, const QByteArray& format) const
{
    auto* handler = new RawIOHandler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}
