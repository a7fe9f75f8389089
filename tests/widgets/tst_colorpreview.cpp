#include "widgets/QColorPreview.h"

#include <QMetaEnum>
#include <QtTest>

class TestColorPreview : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void setColorIsSilentAndPaints();
};

void TestColorPreview::defaults()
{
    QColorPreview preview;
    QCOMPARE(preview.color(), QColor(Qt::red));
    QCOMPARE(preview.previousColor(), QColor(Qt::blue));
    QCOMPARE(preview.alphaMode(), QColorPreview::NoAlpha);
    QCOMPARE(preview.sizeHint(), QSize(24, 24));
    // The tile under translucent colours comes from the widget resources.
    QCOMPARE(preview.background().style(), Qt::TexturePattern);
    QCOMPARE(preview.background().textureImage().size(), QSize(16, 16));

    const QMetaEnum modes = QMetaEnum::fromType<QColorPreview::Alpha_Mode>();
    QCOMPARE(modes.keyCount(), 2);
    QCOMPARE(modes.key(0), "NoAlpha");
    QCOMPARE(modes.key(1), "SplitAlpha");
    QVERIFY(preview.setProperty("alpha_mode", QVariant::fromValue(QColorPreview::SplitAlpha)));
    QCOMPARE(preview.alphaMode(), QColorPreview::SplitAlpha);
}

void TestColorPreview::setColorIsSilentAndPaints()
{
    QColorPreview preview;
    preview.resize(12, 12);
    preview.setAutoFillBackground(true);
    QPalette palette = preview.palette();
    palette.setColor(QPalette::Window, Qt::white);
    preview.setPalette(palette);
    QSignalSpy changed(&preview, &QColorPreview::colorChanged);

    preview.setColor(QColor(10, 150, 90));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(preview.color(), QColor(10, 150, 90));

    // Filled from (1, 1) on; the top row and left column stay unpainted.
    const QImage image = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.pixel(1, 1), qRgb(10, 150, 90));
    QCOMPARE(image.pixel(11, 11), qRgb(10, 150, 90));
    QCOMPARE(image.pixel(0, 5), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(5, 0), qRgb(255, 255, 255));
}

QTEST_MAIN(TestColorPreview)
#include "tst_colorpreview.moc"
