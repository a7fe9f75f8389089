#include "effects/FilmData.h"

#include "FilmTestData.h"

#include <QCryptographicHash>
#include <QFile>
#include <QResource>
#include <QtTest>

class TestFilmData : public QObject
{
    Q_OBJECT

private slots:
    void refusesWrongSizes_data();
    void refusesWrongSizes();
    void tablesAtFixedOffsets_data();
    void tablesAtFixedOffsets();
    void outOfRangeNumbersHaveNoTable();
    void loadsAreCounted();
    void generatedResource();
};

void TestFilmData::refusesWrongSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("result");
    QTest::newRow("one short") << 916400 << -1;
    QTest::newRow("one long") << 916402 << -1;
    QTest::newRow("empty") << 0 << -1;
    QTest::newRow("exact") << 916401 << 0;
}

void TestFilmData::refusesWrongSizes()
{
    QFETCH(int, size);
    QFETCH(int, result);
    const QByteArray blob(916402, '\x07');
    QCOMPARE(ExecuteFPEngine(blob.constData(), size), result);
    QCOMPARE(fpFilmColorTable(0) != nullptr, result == 0);
    if (result == 0)
        FinishFPEngine();
    QVERIFY(!fpFilmColorTable(0));
}

void TestFilmData::tablesAtFixedOffsets_data()
{
    QTest::addColumn<bool>("grain");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("offset");
    QTest::newRow("effect model 1") << false << 0 << 0;
    QTest::newRow("effect model 28") << false << 27 << 397953;
    QTest::newRow("contrast type 1") << false << 28 << 412692;
    QTest::newRow("saturation type 1") << false << 32 << 471648;
    QTest::newRow("special type 1") << false << 36 << 530604;
    QTest::newRow("special type 7") << false << 42 << 619038;
    QTest::newRow("grain model 1") << true << 1 << 633777;
    QTest::newRow("grain model 23") << true << 23 << 904113;
}

void TestFilmData::tablesAtFixedOffsets()
{
    QFETCH(bool, grain);
    QFETCH(int, number);
    QFETCH(int, offset);
    // Every byte tells where it sits.
    QByteArray blob(FilmDataSize, 0);
    for (int i = 0; i < FilmDataSize; ++i)
        blob[i] = char((i * 131 + (i >> 8) * 7) & 0xff);
    QCOMPARE(ExecuteFPEngine(blob.constData(), blob.size()), 0);
    const std::uint8_t* table = grain ? fpFilmGrainTable(number) : fpFilmColorTable(number);
    QVERIFY(table);
    const int length = grain ? FilmGrainTableSize : FilmColorTableSize;
    QCOMPARE(offset + length <= FilmDataSize, true);
    QVERIFY(std::memcmp(table, blob.constData() + offset, size_t(length)) == 0);
    FinishFPEngine();
}

void TestFilmData::outOfRangeNumbersHaveNoTable()
{
    const QByteArray blob = FilmTestData::identityBlob();
    QCOMPARE(ExecuteFPEngine(blob.constData(), blob.size()), 0);
    QVERIFY(!fpFilmColorTable(-1));
    QVERIFY(!fpFilmColorTable(43));
    QVERIFY(!fpFilmGrainTable(0));
    QVERIFY(!fpFilmGrainTable(24));
    FinishFPEngine();
}

void TestFilmData::loadsAreCounted()
{
    QByteArray first = FilmTestData::identityBlob();
    QByteArray second = FilmTestData::identityBlob(9);
    QCOMPARE(ExecuteFPEngine(first.constData(), first.size()), 0);
    QCOMPARE(ExecuteFPEngine(second.constData(), second.size()), 0);
    // The first copy serves both loads; one finish leaves it in place.
    QCOMPARE(int(fpFilmGrainTable(1)[0]), 0);
    FinishFPEngine();
    QVERIFY(fpFilmColorTable(0));
    FinishFPEngine();
    QVERIFY(!fpFilmColorTable(0));
    QCOMPARE(FinishFPEngine(), 0); // one too many does no harm
}

void TestFilmData::generatedResource()
{
    QResource resource(QStringLiteral(":/film/data/filmdata/film.data"));
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);

    QFile file(resource.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QCOMPARE(data.size(), 916401);
    // Effect model 1, blue plane, along the blue axis.
    const int sample[17] = {0, 5, 10, 18, 30, 39, 49, 60, 68, 78, 86, 96, 104, 114, 124, 134, 145};
    for (int i = 0; i < 17; ++i)
        QCOMPARE(int(std::uint8_t(data.at(i))), sample[i]);
    // The generator's output is part of the product: a change must be deliberate.
    QCOMPARE(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(),
             QByteArray("e99c7e4efda965f9ad43fcf31c0669745765a55e0c637cd459b30a3f3a17ec27"));
}

QTEST_GUILESS_MAIN(TestFilmData)
#include "tst_filmdata.moc"
