#include "stitch/image/Rect.h"

#include <QtTest>

Q_DECLARE_METATYPE(tagRECT)
Q_DECLARE_METATYPE(tagPOINT)

namespace {
bool same(const tagRECT& a, const tagRECT& b)
{
    return EqualRect(&a, &b);
}
} // namespace

class TestRect : public QObject
{
    Q_OBJECT

private slots:
    void intersect_data();
    void intersect();
    void unionRect_data();
    void unionRect();
    void pointInRect_data();
    void pointInRect();
    void emptiness_data();
    void emptiness();
    void nullArguments();
    void offsetAndSet();
};

void TestRect::intersect_data()
{
    QTest::addColumn<tagRECT>("a");
    QTest::addColumn<tagRECT>("b");
    QTest::addColumn<tagRECT>("expected");
    QTest::addColumn<bool>("result");
    // Edges are exclusive: touching rectangles share no pixel, yet the
    // (empty) intersection is written.
    QTest::newRow("touching") << tagRECT{0, 0, 10, 10} << tagRECT{10, 0, 20, 10} << tagRECT{10, 0, 10, 10} << false;
    QTest::newRow("overlapping") << tagRECT{0, 0, 10, 10} << tagRECT{5, 2, 20, 8} << tagRECT{5, 2, 10, 8} << true;
    QTest::newRow("inside") << tagRECT{0, 0, 10, 10} << tagRECT{3, 3, 4, 4} << tagRECT{3, 3, 4, 4} << true;
    QTest::newRow("apart") << tagRECT{0, 0, 5, 5} << tagRECT{7, 8, 9, 9} << tagRECT{7, 8, 5, 5} << false;
    QTest::newRow("negative") << tagRECT{-10, -10, 0, 0} << tagRECT{-5, -20, 5, -2} << tagRECT{-5, -10, 0, -2} << true;
}

void TestRect::intersect()
{
    QFETCH(tagRECT, a);
    QFETCH(tagRECT, b);
    QFETCH(tagRECT, expected);
    QFETCH(bool, result);
    tagRECT dst{99, 99, 99, 99};
    QCOMPARE(IntersectRect(&dst, &a, &b), result);
    QVERIFY(same(dst, expected));
    QCOMPARE(IntersectRect(nullptr, &a, &b), result);
}

void TestRect::unionRect_data()
{
    QTest::addColumn<tagRECT>("a");
    QTest::addColumn<tagRECT>("b");
    QTest::addColumn<tagRECT>("expected");
    QTest::addColumn<bool>("result");
    // An empty rectangle at the origin still pulls the union to the origin.
    QTest::newRow("empty at origin") << tagRECT{0, 0, 0, 0} << tagRECT{5, 5, 10, 10} << tagRECT{0, 0, 10, 10} << true;
    QTest::newRow("disjoint") << tagRECT{0, 0, 2, 2} << tagRECT{8, 1, 9, 12} << tagRECT{0, 0, 9, 12} << true;
    QTest::newRow("both empty") << tagRECT{0, 0, 0, 0} << tagRECT{3, 3, 3, 3} << tagRECT{0, 0, 3, 3} << true;
    QTest::newRow("degenerate line") << tagRECT{0, 0, 0, 5} << tagRECT{0, 1, 0, 3} << tagRECT{0, 0, 0, 5} << false;
}

void TestRect::unionRect()
{
    QFETCH(tagRECT, a);
    QFETCH(tagRECT, b);
    QFETCH(tagRECT, expected);
    QFETCH(bool, result);
    tagRECT dst{};
    QCOMPARE(UnionRect(&dst, &a, &b), result);
    QVERIFY(same(dst, expected));
}

void TestRect::pointInRect_data()
{
    QTest::addColumn<tagPOINT>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("right edge") << tagPOINT{10, 5} << false;
    QTest::newRow("bottom edge") << tagPOINT{5, 10} << false;
    QTest::newRow("origin") << tagPOINT{0, 0} << true;
    QTest::newRow("last pixel") << tagPOINT{9, 9} << true;
    QTest::newRow("left of it") << tagPOINT{-1, 5} << false;
}

void TestRect::pointInRect()
{
    QFETCH(tagPOINT, point);
    QFETCH(bool, inside);
    const tagRECT r{0, 0, 10, 10};
    QCOMPARE(PtInRect(&r, point), inside);
}

void TestRect::emptiness_data()
{
    QTest::addColumn<tagRECT>("r");
    QTest::addColumn<bool>("empty");
    QTest::newRow("zero") << tagRECT{0, 0, 0, 0} << true;
    QTest::newRow("no width") << tagRECT{4, 0, 4, 9} << true;
    QTest::newRow("inverted") << tagRECT{5, 5, 1, 9} << true;
    QTest::newRow("one pixel") << tagRECT{4, 4, 5, 5} << false;
}

void TestRect::emptiness()
{
    QFETCH(tagRECT, r);
    QFETCH(bool, empty);
    QCOMPARE(IsRectEmpty(&r), empty);
}

void TestRect::nullArguments()
{
    tagRECT r{1, 2, 3, 4};
    QVERIFY(!SetRectEmpty(nullptr));
    QVERIFY(!SetRect(nullptr, 0, 0, 1, 1));
    QVERIFY(!IntersectRect(&r, nullptr, &r));
    QVERIFY(!UnionRect(&r, &r, nullptr));
    QVERIFY(!OffsetRect(nullptr, 1, 1));
    QVERIFY(IsRectEmpty(nullptr));
    QVERIFY(!PtInRect(nullptr, tagPOINT{0, 0}));
    QVERIFY(!EqualRect(nullptr, &r));
    QVERIFY(!EqualRect(&r, nullptr));
    QVERIFY(same(r, tagRECT{1, 2, 3, 4}));
}

void TestRect::offsetAndSet()
{
    tagRECT r{};
    QVERIFY(SetRect(&r, 1, 2, 3, 4));
    QVERIFY(OffsetRect(&r, -5, 10));
    QVERIFY(same(r, tagRECT{-4, 12, -2, 14}));
    QVERIFY(SetRectEmpty(&r));
    QVERIFY(same(r, tagRECT{0, 0, 0, 0}));
}

QTEST_APPLESS_MAIN(TestRect)
#include "tst_rect.moc"
