#include "canvas/XmlDepthGuard.h"

#include <QTest>

Q_DECLARE_METATYPE(XmlDepthGuard::Verdict)

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
    void verdict_data();
    void verdict();
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

void TestXmlDepthGuard::verdict_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("maxDepth");
    QTest::addColumn<int>("maxElements");
    QTest::addColumn<XmlDepthGuard::Verdict>("verdict");

    const QByteArray tenFlat = "<r>" + QByteArray("<a/>").repeated(9) + "</r>";
    const QByteArray elevenFlat = "<r>" + QByteArray("<a/>").repeated(10) + "</r>";
    QTest::newRow("elements at the limit") << tenFlat << 64 << 10 << XmlDepthGuard::Verdict::Within;
    QTest::newRow("one element past") << elevenFlat << 64 << 10 << XmlDepthGuard::Verdict::TooManyElements;
    // r, a, b, a, b: five elements, three levels.
    QTest::newRow("elements counted at every depth")
        << QByteArray("<r><a><b/></a><a><b/></a></r>") << 3 << 4 << XmlDepthGuard::Verdict::TooManyElements;
    // The fifth opening tag passes both limits at once: depth is named.
    QTest::newRow("depth before count") << nested(5) << 4 << 4 << XmlDepthGuard::Verdict::TooDeep;
    QTest::newRow("defaults hold a deep chain")
        << nested(XmlDepthGuard::defaultMaxDepth) << XmlDepthGuard::defaultMaxDepth
        << XmlDepthGuard::defaultMaxElements << XmlDepthGuard::Verdict::Within;
}

void TestXmlDepthGuard::verdict()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, maxDepth);
    QFETCH(int, maxElements);
    QFETCH(XmlDepthGuard::Verdict, verdict);
    QCOMPARE(XmlDepthGuard::check(xml, maxDepth, maxElements), verdict);
}

QTEST_MAIN(TestXmlDepthGuard)
#include "tst_xmldepthguard.moc"
