#include "canvas/CanvasModeInfo.h"

#include <QDomDocument>
#include <QTest>

namespace {

QString written(const CanvasModeInfo& info)
{
    QDomDocument doc;
    QDomElement mode = doc.createElement(QStringLiteral("mode"));
    doc.appendChild(mode);
    info.toXml(mode);
    return doc.toString(-1).trimmed();
}

void readInto(CanvasModeInfo& info, const QString& children)
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QStringLiteral("<mode>%1</mode>").arg(children)));
    QDomElement mode = doc.documentElement();
    info.fromXml(mode);
}

} // namespace

class TestCanvasModeInfo : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void write_data();
    void write();
    void read_data();
    void read();
    void roundTripShortens();
};

void TestCanvasModeInfo::defaults()
{
    CanvasModeInfo info;
    QCOMPARE(info.fixedSize(), QSizeF(-1, -1));
    QVERIFY(!info.isFixedSize());
    QCOMPARE(info.canvasDpi().first, 72.0);
    QCOMPARE(info.canvasDpi().second, 72.0);
    QCOMPARE(int(info.projectMode()), 0);
}

void TestCanvasModeInfo::write_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("xml");

    QTest::newRow("new record") << QSizeF(-1, -1) << 72.0 << 0 << "<mode><id>0</id></mode>";
    QTest::newRow("exact size") << QSizeF(1000, 800) << 300.0 << 1
                                << "<mode><id>1</id><size><w>1000</w><h>800</h><dpiX>300</dpiX><dpiY>300</dpiY>"
                                   "</size></mode>";
    // %g with six significant digits: 1234.5678 -> 1234.57; 2000000 has
    // exponent 6 -> 2e+06.
    QTest::newRow("six digits") << QSizeF(1234.5678, 2000000) << 96.0 << 1
                                << "<mode><id>1</id><size><w>1234.57</w><h>2e+06</h><dpiX>96</dpiX><dpiY>96</dpiY>"
                                   "</size></mode>";
    QTest::newRow("zero side not fixed") << QSizeF(0, 800) << 300.0 << 1 << "<mode><id>1</id></mode>";
    QTest::newRow("negative side not fixed") << QSizeF(500, -3) << 300.0 << 0 << "<mode><id>0</id></mode>";
}

void TestCanvasModeInfo::write()
{
    QFETCH(QSizeF, size);
    QFETCH(double, dpi);
    QFETCH(int, mode);
    QFETCH(QString, xml);

    CanvasModeInfo info;
    info.setFixedSize(size);
    info.setCanvasDpi(float(dpi), float(dpi));
    info.setProjectMode(CanvasModeInfo::Mode(mode));
    QCOMPARE(written(info), xml);
}

void TestCanvasModeInfo::read_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("dpiX");
    QTest::addColumn<double>("dpiY");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("warns");

    // The record starts at fixed size (300, 200), 150 dpi, mode 1.
    const QSizeF old(300, 200);
    QTest::newRow("full") << "<id>1</id><size><w>1000</w><h>800</h><dpiX>300</dpiX><dpiY>240</dpiY></size>"
                          << QSizeF(1000, 800) << 300.0 << 240.0 << 1 << false;
    QTest::newRow("no size keeps size and dpi") << "<id>0</id>" << old << 150.0 << 150.0 << 0 << false;
    QTest::newRow("zero width still replaces")
        << "<id>1</id><size><w>0</w><h>500</h><dpiX>300</dpiX><dpiY>300</dpiY></size>" << QSizeF(0, 500) << 300.0
        << 300.0 << 1 << false;
    QTest::newRow("negative kept as read")
        << "<id>1</id><size><w>-5</w><h>500</h></size>" << QSizeF(-5, 500) << 150.0 << 150.0 << 1 << false;
    QTest::newRow("dpiX 1 keeps both") << "<id>1</id><size><w>10</w><h>20</h><dpiX>1</dpiX><dpiY>300</dpiY></size>"
                                       << QSizeF(10, 20) << 150.0 << 150.0 << 1 << false;
    QTest::newRow("missing dpiY keeps both") << "<id>1</id><size><w>10</w><h>20</h><dpiX>300</dpiX></size>"
                                             << QSizeF(10, 20) << 150.0 << 150.0 << 1 << false;
    // 16777217 is not a float: the nearest one is 16777216.
    QTest::newRow("single precision") << "<id>1</id><size><w>16777217</w><h>1</h></size>" << QSizeF(16777216, 1)
                                      << 150.0 << 150.0 << 1 << false;
    QTest::newRow("exponent form") << "<id>1</id><size><w>2e+06</w><h>10</h></size>" << QSizeF(2000000, 10)
                                   << 150.0 << 150.0 << 1 << false;
    QTest::newRow("id no number") << "<id>abc</id>" << old << 150.0 << 150.0 << 0 << false;
    QTest::newRow("id beyond int") << "<id>99999999999</id>" << old << 150.0 << 150.0 << 0 << false;
    QTest::newRow("id missing") << "" << old << 150.0 << 150.0 << 0 << false;
    QTest::newRow("id unknown value held") << "<id>7</id>" << old << 150.0 << 150.0 << 7 << false;
    QTest::newRow("id negative held") << "<id>-4</id>" << old << 150.0 << 150.0 << -4 << false;
    QTest::newRow("w abc reads 0") << "<id>1</id><size><w>abc</w><h>20</h></size>" << QSizeF(0, 20) << 150.0
                                   << 150.0 << 1 << false;
    QTest::newRow("w nan refused") << "<id>1</id><size><w>nan</w><h>20</h><dpiX>300</dpiX><dpiY>300</dpiY></size>"
                                   << old << 300.0 << 300.0 << 1 << true;
    QTest::newRow("h inf refused") << "<id>1</id><size><w>20</w><h>inf</h></size>" << old << 150.0 << 150.0 << 1
                                   << true;
    // 1e30 is a finite float but no image can have that many pixels.
    QTest::newRow("w 1e30 refused") << "<id>1</id><size><w>1e30</w><h>20</h></size>" << old << 150.0 << 150.0 << 1
                                    << true;
    // 100000 x 100000 x 4 bytes = 40 000 MB, above the 4096 MB cap.
    QTest::newRow("beyond image cap refused")
        << "<id>1</id><size><w>100000</w><h>100000</h></size>" << old << 150.0 << 150.0 << 1 << true;
    QTest::newRow("dpi inf refused") << "<id>1</id><size><w>10</w><h>20</h><dpiX>inf</dpiX><dpiY>300</dpiY></size>"
                                     << QSizeF(10, 20) << 150.0 << 150.0 << 1 << true;
    QTest::newRow("dpi nan refused") << "<id>1</id><size><w>10</w><h>20</h><dpiX>300</dpiX><dpiY>nan</dpiY></size>"
                                     << QSizeF(10, 20) << 150.0 << 150.0 << 1 << true;
}

void TestCanvasModeInfo::read()
{
    QFETCH(QString, children);
    QFETCH(QSizeF, size);
    QFETCH(double, dpiX);
    QFETCH(double, dpiY);
    QFETCH(int, mode);
    QFETCH(bool, warns);

    CanvasModeInfo info;
    info.setFixedSize(QSizeF(300, 200));
    info.setCanvasDpi(150, 150);
    info.setProjectMode(CanvasModeInfo::ModeExactSize);
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CanvasModeInfo::fromXml: ")));
    else
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    readInto(info, children);
    QCOMPARE(info.fixedSize(), size);
    QCOMPARE(info.canvasDpi().first, dpiX);
    QCOMPARE(info.canvasDpi().second, dpiY);
    QCOMPARE(int(info.projectMode()), mode);
}

void TestCanvasModeInfo::roundTripShortens()
{
    CanvasModeInfo info;
    // 1234.5678 x 2000000 would pass the image cap: the sides go separately.
    info.setFixedSize(QSizeF(1234.5678, 30));
    info.setProjectMode(CanvasModeInfo::ModeExactSize);
    QDomDocument doc;
    QDomElement mode = doc.createElement(QStringLiteral("mode"));
    doc.appendChild(mode);
    info.toXml(mode);

    CanvasModeInfo back;
    back.fromXml(mode);
    // Read as the written text through single precision.
    QCOMPARE(back.fixedSize(), QSizeF(double(1234.57f), 30.0));
    QVERIFY(back.isFixedSize());
    QCOMPARE(int(back.projectMode()), 1);
}

QTEST_MAIN(TestCanvasModeInfo)
#include "tst_canvasmodeinfo.moc"
