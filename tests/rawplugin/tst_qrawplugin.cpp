#include "rawplugin/QRawPlugin.h"
#include "rawplugin/RawPluginImport.h"

#include "DngFixture.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageReader>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QtTest>

class TestQRawPlugin : public QObject
{
    Q_OBJECT

private slots:
    void readerListsFormatsAndMimeTypes();
    void keys();
    void capabilities_data();
    void capabilities();
    void probeLeavesDevicePosition();
    void suffixesInAnyCaseRead_data();
    void suffixesInAnyCaseRead();

private:
    QRawPlugin* plugin() const;
};

QRawPlugin* TestQRawPlugin::plugin() const
{
    const QObjectList plugins = QPluginLoader::staticInstances();
    for (QObject* object : plugins)
        if (auto* raw = qobject_cast<QRawPlugin*>(object))
            return raw;
    return nullptr;
}

void TestQRawPlugin::readerListsFormatsAndMimeTypes()
{
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    const QList<QByteArray> mimeTypes = QImageReader::supportedMimeTypes();
    const QList<QByteArray> keys = {"crw", "cr2", "cr3", "arw", "sr2", "srf", "orf", "nef",
                                    "nrw", "dng", "rw2", "raw", "pef", "mrw", "raf", "x3f"};
    const QList<QByteArray> types = {"image/x-canon-crw", "image/x-canon-cr2", "image/x-canon-cr3",
                                     "image/x-sony-arw", "image/x-sony-sr2", "image/x-sony-srf",
                                     "image/x-olympus-orf", "image/x-nikon-nef", "image/x-nikon-nrw",
                                     "image/x-adobe-dng", "image/x-panasonic-rw2", "image/x-panasonic-raw",
                                     "image/x-pentax-pef", "image/x-minolta-mrw", "image/x-fuji-raf",
                                     "image/x-sigma-x3f"};
    for (const QByteArray& key : keys)
        QVERIFY2(formats.contains(key), key.constData());
    for (const QByteArray& type : types)
        QVERIFY2(mimeTypes.contains(type), type.constData());
    // The plug-in is registered exactly once.
    QCOMPARE(formats.count("dng"), 1);
    QVERIFY(plugin());
}

void TestQRawPlugin::keys()
{
    const QStringList expected = {"crw", "cr2", "cr3", "arw", "sr2", "srf", "nef", "nrw",
                                  "raf", "orf", "dng", "pef", "mrw", "x3f", "rw2", "raw"};
    QCOMPARE(QRawPlugin::keys(), expected);
}

void TestQRawPlugin::capabilities_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("content"); // empty: no device
    QTest::addColumn<bool>("canRead");

    const QByteArray dng = DngFixture::make();
    for (const QString& key : QRawPlugin::keys()) {
        QTest::addRow("%s", qPrintable(key)) << key.toLatin1() << QByteArray() << true;
        // Keys compare case-sensitively; Qt lowercases suffixes first.
        QTest::addRow("%s", qPrintable(key.toUpper())) << key.toUpper().toLatin1() << QByteArray() << false;
    }
    QTest::newRow("tif") << QByteArray("tif") << QByteArray() << true;
    QTest::newRow("tiff on text") << QByteArray("tiff") << QByteArray("not an image") << true;
    QTest::newRow("png") << QByteArray("png") << dng << false;
    QTest::newRow("no format, no device") << QByteArray() << QByteArray() << false;
    QTest::newRow("no format, DNG data") << QByteArray() << dng << true;
    QTest::newRow("no format, text") << QByteArray() << QByteArray("plain text, not a photograph") << false;
    QTest::newRow("no format, PNG data") << QByteArray() << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
}

void TestQRawPlugin::capabilities()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, content);
    QFETCH(bool, canRead);

    QRawPlugin* raw = plugin();
    QVERIFY(raw);
    QBuffer buffer(&content);
    QIODevice* device = nullptr;
    if (!content.isEmpty()) {
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        device = &buffer;
    }
    QCOMPARE(raw->capabilities(device, format) == QImageIOPlugin::CanRead, canRead);
    QCOMPARE(raw->capabilities(device, format) == QImageIOPlugin::Capabilities(), !canRead);
}

void TestQRawPlugin::probeLeavesDevicePosition()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo"));
    QVERIFY(TestSupport::writeFile(path, DngFixture::make()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(17));
    QCOMPARE(plugin()->capabilities(&file, QByteArray()), QImageIOPlugin::CanRead);
    QCOMPARE(file.pos(), 17);

    QFile closed(path);
    QCOMPARE(plugin()->capabilities(&closed, QByteArray()), QImageIOPlugin::Capabilities());
}

void TestQRawPlugin::suffixesInAnyCaseRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower") << "photo.nef";
    QTest::newRow("upper") << "PHOTO.NEF";
    QTest::newRow("mixed") << "Photo.Cr2";
}

void TestQRawPlugin::suffixesInAnyCaseRead()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(TestSupport::writeFile(path, DngFixture::make()));
    QImageReader reader(path);
    QTest::ignoreMessage(QtDebugMsg, "Decoding raw data");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(160, 120));
}

QTEST_GUILESS_MAIN(TestQRawPlugin)
#include "tst_qrawplugin.moc"
