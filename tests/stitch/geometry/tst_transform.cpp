#include "stitch/geometry/CStitchTransform.h"

#include <QtTest>

#include <cmath>

namespace {

CStitchTransform matrix(std::initializer_list<double> values)
{
    CStitchTransform t;
    int i = 0;
    for (double v : values)
        t.m_Matrix[i++] = v;
    return t;
}

// Rotation about z by a, then about x by b: R = Rx(b) Rz(a).
CStitchTransform rotation(double a, double b)
{
    const CStitchTransform rz = matrix({std::cos(a), -std::sin(a), 0, std::sin(a), std::cos(a), 0, 0, 0, 1});
    const CStitchTransform rx = matrix({1, 0, 0, 0, std::cos(b), -std::sin(b), 0, std::sin(b), std::cos(b)});
    return rx.Multiple(&rz);
}

bool near(const CStitchTransform& a, const CStitchTransform& b, double tolerance)
{
    for (int i = 0; i < 9; ++i)
        if (std::fabs(a.m_Matrix[i] - b.m_Matrix[i]) > tolerance)
            return false;
    return true;
}

} // namespace

class TestTransform : public QObject
{
    Q_OBJECT

private slots:
    void identityAndInitial();
    void normalizeKeepsIdentity();
    void normalizeRemovesColumnScales_data();
    void normalizeRemovesColumnScales();
    void productsAndSums();
    void transposeForms();
};

void TestTransform::identityAndInitial()
{
    CStitchTransform t;
    t.Identity();
    QVERIFY(near(t, matrix({1, 0, 0, 0, 1, 0, 0, 0, 1}), 0));
    t.Initial();
    QVERIFY(near(t, matrix({0, 0, 0, 0, 0, 0, 0, 0, 0}), 0));
}

void TestTransform::normalizeKeepsIdentity()
{
    CStitchTransform t;
    t.Identity();
    t.Normalize();
    QVERIFY(near(t, matrix({1, 0, 0, 0, 1, 0, 0, 0, 1}), 1e-15));
}

void TestTransform::normalizeRemovesColumnScales_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QList<double>>("scales");
    QTest::newRow("small turn") << 0.1 << 0.05 << QList<double>{2.0, 0.5, 3.0};
    QTest::newRow("right angles") << M_PI / 2 << 0.0 << QList<double>{1.0, 7.0, 0.01};
    QTest::newRow("oblique") << 1.2 << -0.7 << QList<double>{0.3, 0.3, 5.0};
}

void TestTransform::normalizeRemovesColumnScales()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QList<double>, scales);
    const CStitchTransform r = rotation(a, b);
    CStitchTransform scaled = r;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            scaled.At(row, column) *= scales[column];
    // The columns of a rotation are already orthogonal, so each blend step
    // keeps them: only the unit scaling acts.
    scaled.Normalize();
    QVERIFY(near(scaled, r, 1e-12));
}

void TestTransform::productsAndSums()
{
    const CStitchTransform a = matrix({1, 2, 3, 4, 5, 6, 7, 8, 9});
    const CStitchTransform b = matrix({0, 1, 0, 1, 0, 0, 0, 0, 2});
    // Row 0 of a x b: (1*0 + 2*1, 1*1, 3*2) = (2, 1, 6); b swaps the first
    // two columns and doubles the third.
    const CStitchTransform product = a.Multiple(&b);
    QVERIFY(near(product, matrix({2, 1, 6, 5, 4, 12, 8, 7, 18}), 0));
    const CStitchTransform sum = a.Add(&b);
    QVERIFY(near(sum, matrix({1, 3, 3, 5, 5, 6, 7, 8, 11}), 0));
    QVERIFY(near(a, matrix({1, 2, 3, 4, 5, 6, 7, 8, 9}), 0));
    QVERIFY(near(b, matrix({0, 1, 0, 1, 0, 0, 0, 0, 2}), 0));

    const double v[3] = {1, 0, -1};
    double out[3];
    a.MultipleVector(v, out);
    QCOMPARE(out[0], -2.0);
    QCOMPARE(out[1], -2.0);
    QCOMPARE(out[2], -2.0);
}

void TestTransform::transposeForms()
{
    const CStitchTransform a = matrix({1, 2, 3, 4, 5, 6, 7, 8, 9});
    CStitchTransform t;
    a.Transpose(&t);
    QVERIFY(near(t, matrix({1, 4, 7, 2, 5, 8, 3, 6, 9}), 0));
    const double rows[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    CStitchTransform loaded;
    loaded.EvaluateAndTranspose(rows);
    QVERIFY(near(loaded, t, 0));
    double flat[9];
    a.ToArray(flat);
    QCOMPARE(flat[5], 6.0);
}

QTEST_APPLESS_MAIN(TestTransform)
#include "tst_transform.moc"
