#include "files/IQBGRData.h"

#include <QtTest>

#include <memory>

class TestIQBGRData : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void invalidSizesGiveNoBuffer_data();
    void invalidSizesGiveNoBuffer();
    void cloneIsDeepAndOfTheSameClass_data();
    void cloneIsDeepAndOfTheSameClass();
    void cloneOfEmptyBufferIsEmpty();
};

void TestIQBGRData::layout_data()
{
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bytesPerLine");
    QTest::addColumn<qsizetype>("byteCount");

    QTest::newRow("BGR 1x1: 3 bytes padded to 4") << false << 1 << 1 << 4 << qsizetype(4);
    QTest::newRow("BGR 3x2: 9 bytes padded to 12") << false << 3 << 2 << 12 << qsizetype(24);
    QTest::newRow("BGR 4x1: 12 bytes, no padding") << false << 4 << 1 << 12 << qsizetype(12);
    QTest::newRow("BGR 5x1: 15 bytes padded to 16") << false << 5 << 1 << 16 << qsizetype(16);
    QTest::newRow("BGRA 5x2: rows back to back") << true << 5 << 2 << 20 << qsizetype(40);
    QTest::newRow("BGRA 1x1") << true << 1 << 1 << 4 << qsizetype(4);
}

void TestIQBGRData::layout()
{
    QFETCH(bool, alpha);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bytesPerLine);
    QFETCH(qsizetype, byteCount);

    std::unique_ptr<IQBGRData> buffer(alpha ? IQBGRAData::bgraData(width, height) : IQBGRData::bgrData(width, height));
    QVERIFY(buffer);
    QVERIFY(buffer->data());
    QCOMPARE(buffer->width(), width);
    QCOMPARE(buffer->height(), height);
    QCOMPARE(buffer->bytesPerLine(), bytesPerLine);
    QCOMPARE(buffer->byteCount(), byteCount);
    // Every byte is ours to write (AddressSanitizer watches the edges).
    std::memset(buffer->data(), 0x5A, size_t(byteCount));
}

void TestIQBGRData::invalidSizesGiveNoBuffer_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("zero width") << 0 << 10;
    QTest::newRow("zero height") << 10 << 0;
    QTest::newRow("negative") << -4 << 10;
    QTest::newRow("row longer than an int") << 0x7FFFFFFF << 1;
}

void TestIQBGRData::invalidSizesGiveNoBuffer()
{
    QFETCH(int, width);
    QFETCH(int, height);

    QVERIFY(!std::unique_ptr<IQBGRData>(IQBGRData::bgrData(width, height)));
    QVERIFY(!std::unique_ptr<IQBGRAData>(IQBGRAData::bgraData(width, height)));
}

void TestIQBGRData::cloneIsDeepAndOfTheSameClass_data()
{
    QTest::addColumn<bool>("alpha");

    QTest::newRow("BGR") << false;
    QTest::newRow("BGRA") << true;
}

void TestIQBGRData::cloneIsDeepAndOfTheSameClass()
{
    QFETCH(bool, alpha);

    std::unique_ptr<IQBGRData> source(alpha ? IQBGRAData::bgraData(7, 3) : IQBGRData::bgrData(7, 3));
    QVERIFY(source);
    for (qsizetype i = 0; i < source->byteCount(); ++i)
        source->data()[i] = uchar(i * 37 + 11);
    const QByteArray original(reinterpret_cast<const char*>(source->data()), source->byteCount());

    std::unique_ptr<IQBGRData> copy(source->clone());
    QVERIFY(copy);
    QCOMPARE(dynamic_cast<IQBGRAData*>(copy.get()) != nullptr, alpha);
    QVERIFY(copy->data() != source->data());
    QCOMPARE(copy->width(), 7);
    QCOMPARE(copy->height(), 3);
    QCOMPARE(copy->bytesPerLine(), source->bytesPerLine());

    source.reset(); // the copy outlives its source
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(copy->data()), copy->byteCount()), original);
}

void TestIQBGRData::cloneOfEmptyBufferIsEmpty()
{
    IQBGRAData empty;
    QVERIFY(!empty.data());
    std::unique_ptr<IQBGRAData> copy(empty.clone());
    QVERIFY(copy);
    QVERIFY(!copy->data());
    QCOMPARE(copy->byteCount(), qsizetype(0));
}

QTEST_APPLESS_MAIN(TestIQBGRData)
#include "tst_iqbgrdata.moc"
