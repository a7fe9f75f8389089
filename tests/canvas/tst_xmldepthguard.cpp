#include "canvas/XmlDepthGuard.h"

#include <QTest>

namespace {

QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

} // namespace

class TestXmlDepthGuard : public QObject
{
    Q_OBJECT

private slots:
    void depth_data();
    void depth();
};

void TestXmlDepthGuard::depth_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("maxDepth");
    QTest::addColumn<bool>("within");

    QTest::newRow("empty") << QByteArray() << 64 << true;
    QTest::newRow("at the limit") << nested(64) << 64 << true;
    QTest::newRow("one past") << nested(65) << 64 << false;
    // Siblings do not add up: depth, not count.
    QTest::newRow("many siblings") << QByteArray("<r>") + QByteArray("<a><b/></a>").repeated(1000) + "</r>" << 3
                                   << true;
    // Unclosed tags still count, even where the XML breaks off.
    QTest::newRow("truncated deep") << QByteArray("<a>").repeated(100000) << 64 << false;
    QTest::newRow("malformed shallow") << QByteArray("<a><b></a>") << 64 << true;
    QTest::newRow("not xml") << QByteArray("\x89PNG\r\n") << 64 << true;
}

void TestXmlDepthGuard::depth()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, maxDepth);
    QFETCH(bool, within);
    QCOMPARE(XmlDepthGuard::withinDepth(xml, maxDepth), within);
}

QTEST_MAIN(TestXmlDepthGuard)
#include "tst_xmldepthguard.moc"
