#pragma once

#include <QImageIOPlugin>

// Qt image-format plug-in for camera RAW files, decoded by LibRaw. It is
// built as a static plug-in: every program that reads images imports it once
// (see rawplugin/RawPluginImport.h), which registers it before main runs.
// The plug-in object is shared between threads and holds no state.
class QRawPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "QRawPlugin.json")

public:
    // The 16 RAW suffixes, the same set as the metadata's "Keys".
    static QStringList keys();

    // CanRead for one of the keys (compared case-sensitively; Qt lowercases
    // suffixes before asking), for "tif"/"tiff" (TIFF-based RAW files that
    // the TIFF plug-in turned down), and for an empty format when LibRaw
    // recognises the device's contents.
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;

    // A new RawIOHandler on `device`; the caller owns it.
    QImageIOHandler* create(QIODevice* device, const QByteArray& format = QByteArray()) const override;
};
