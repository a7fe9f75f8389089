#include "effects/ColorMatrix.h"

#include <QtTest>

#include <array>
#include <cmath>

using Matrix = std::array<double, 9>;

class TestColorMatrix : public QObject
{
    Q_OBJECT

private slots:
    void invert_data();
    void invert();
    void inverseOfTheSrgbMatrix();
    void rgbToBgr();
    void arithmetic();
    void normalSkipsRowsWithoutPositiveSum();
    void xyzToXy_data();
    void xyzToXy();
    void xyToXyz_data();
    void xyToXyz();
    void mapWhite();
};

namespace {

bool fuzzyEqual(const double* a, const double* b, int count, double tolerance = 1e-12)
{
    for (int k = 0; k < count; ++k) {
        if (std::fabs(a[k] - b[k]) > tolerance)
            return false;
    }
    return true;
}

const Matrix kIdentity = {1, 0, 0, 0, 1, 0, 0, 0, 1};

} // namespace

void TestColorMatrix::invert_data()
{
    QTest::addColumn<Matrix>("in");
    QTest::addColumn<bool>("invertible");
    QTest::addColumn<Matrix>("inverse");

    const Matrix untouched = {7, 7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("singular, rows dependent") << Matrix{1, 2, 3, 2, 4, 6, 0, 1, 1} << false << untouched;
    QTest::newRow("zero") << Matrix{} << false << untouched;
    QTest::newRow("determinant 1e-11") << Matrix{1e-4, 0, 0, 0, 1e-4, 0, 0, 0, 1e-3} << false << untouched;
    QTest::newRow("determinant 1e-9") << Matrix{1e-3, 0, 0, 0, 1e-3, 0, 0, 0, 1e-3} << true
                                      << Matrix{1e3, 0, 0, 0, 1e3, 0, 0, 0, 1e3};
    QTest::newRow("diagonal") << Matrix{2, 0, 0, 0, 4, 0, 0, 0, 0.5} << true << Matrix{0.5, 0, 0, 0, 0.25, 0, 0, 0, 2};
    QTest::newRow("shear") << Matrix{1, 2, 0, 0, 1, 0, 0, 0, 1} << true << Matrix{1, -2, 0, 0, 1, 0, 0, 0, 1};
    QTest::newRow("permutation") << Matrix{0, 1, 0, 0, 0, 1, 1, 0, 0} << true << Matrix{0, 0, 1, 1, 0, 0, 0, 1, 0};
}

void TestColorMatrix::invert()
{
    QFETCH(Matrix, in);
    QFETCH(bool, invertible);
    QFETCH(Matrix, inverse);

    Matrix out;
    out.fill(7);
    QCOMPARE(ispInvert(out.data(), in.data()), invertible ? 1 : 0);
    QVERIFY(fuzzyEqual(out.data(), inverse.data(), 9, 1e-9));
}

void TestColorMatrix::inverseOfTheSrgbMatrix()
{
    Matrix inverse, product, again;
    QCOMPARE(ispInvert(inverse.data(), kSrgbToXyzD50), 1);
    ispMultiMatrix(product.data(), kSrgbToXyzD50, inverse.data());
    QVERIFY(fuzzyEqual(product.data(), kIdentity.data(), 9));
    // In place: output and input may be the same array.
    again = inverse;
    QCOMPARE(ispInvert(again.data(), again.data()), 1);
    QVERIFY(fuzzyEqual(again.data(), kSrgbToXyzD50, 9));
}

void TestColorMatrix::rgbToBgr()
{
    const Matrix m = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    Matrix once, twice;
    ispMatrixRGBtoBGR(once.data(), m.data());
    QCOMPARE(once, (Matrix{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    ispMatrixRGBtoBGR(twice.data(), once.data());
    QCOMPARE(twice, m);

    // The swapped matrix does to B, G, R what the original does to R, G, B.
    const double rgb[3] = {0.25, 0.5, 2.0};
    const double bgr[3] = {2.0, 0.5, 0.25};
    double outRgb[3], outBgr[3];
    ispMultiMatVec(outRgb, m.data(), rgb);
    ispMultiMatVec(outBgr, once.data(), bgr);
    QCOMPARE(outBgr[0], outRgb[2]);
    QCOMPARE(outBgr[1], outRgb[1]);
    QCOMPARE(outBgr[2], outRgb[0]);

    ispMatrixRGBtoBGR(once.data(), once.data());
    QCOMPARE(once, m);
}

void TestColorMatrix::arithmetic()
{
    const Matrix a = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const Matrix b = {0, 1, 0, 1, 0, 0, 0, 0, 2};
    Matrix out;

    ispMultiMatrix(out.data(), a.data(), b.data());
    QCOMPARE(out, (Matrix{2, 1, 6, 5, 4, 12, 8, 7, 18}));
    out = a;
    ispMultiMatrix(out.data(), out.data(), b.data());
    QCOMPARE(out, (Matrix{2, 1, 6, 5, 4, 12, 8, 7, 18}));

    const double v[3] = {1, 0, -1};
    double w[3];
    QCOMPARE(ispMultiMatVec(w, a.data(), v), 3);
    QCOMPARE(w[0], -2.0);
    QCOMPARE(w[1], -2.0);
    QCOMPARE(w[2], -2.0);

    QCOMPARE(ispLinearMatrix(out.data(), a.data(), b.data(), 0.25), 3);
    QCOMPARE(out[0], 0.25);
    QCOMPARE(out[1], 0.5 + 0.75);
    QCOMPARE(out[8], 2.25 + 1.5);

    out = a;
    QCOMPARE(ispScaleMatrix(out.data(), -0.5), 3);
    QCOMPARE(out, (Matrix{-0.5, -1, -1.5, -2, -2.5, -3, -3.5, -4, -4.5}));
    QCOMPARE(ispMaxEntryMatrix(out.data()), -0.5);
    const double vector[3] = {-3, 5, 4};
    QCOMPARE(ispMaxEntryVector(vector), 5.0);

    ispMatrixInit(out.data(), 1, 2, 3, 4, 5, 6, 7, 8, 9);
    QCOMPARE(out, a);
    Matrix copy;
    ispMatrixInit3X3(copy.data(), a.data());
    QCOMPARE(copy, a);
}

void TestColorMatrix::normalSkipsRowsWithoutPositiveSum()
{
    Matrix m = {1, 2, 1, 1, -1, 0, -1, -1, 1};
    QCOMPARE(ispMatrixNormal(m.data()), 3);
    QCOMPARE(m, (Matrix{0.25, 0.5, 0.25, 1, -1, 0, -1, -1, 1}));
}

void TestColorMatrix::xyzToXy_data()
{
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("Z");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("black gives D50") << 0.0 << 0.0 << 0.0 << 0.3457 << 0.3585;
    QTest::newRow("negative sum gives D50") << -1.0 << 0.5 << 0.25 << 0.3457 << 0.3585;
    QTest::newRow("plain") << 1.0 << 1.0 << 2.0 << 0.25 << 0.25;
    QTest::newRow("equal energy") << 0.5 << 0.5 << 0.5 << 1.0 / 3 << 1.0 / 3;
}

void TestColorMatrix::xyzToXy()
{
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(double, Z);
    QFETCH(double, x);
    QFETCH(double, y);
    const double xyz[3] = {X, Y, Z};
    double xy[2];
    ispXYZtoXY(xy, xyz);
    QCOMPARE(xy[0], x);
    QCOMPARE(xy[1], y);
}

void TestColorMatrix::xyToXyz_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Z");
    // D50: (0.3457 / 0.3585, 1, 0.2958 / 0.3585).
    QTest::newRow("D50") << 0.3457 << 0.3585 << 0.9642956764 << 0.8251046025;
    // x + y = 1.2 > 0.99: both scaled to 0.495.
    QTest::newRow("(0.6, 0.6) uses (0.495, 0.495)") << 0.6 << 0.6 << 1.0 << 0.01 / 0.495;
    QTest::newRow("x raised to 0.01") << -0.2 << 0.5 << 0.02 << 0.49 / 0.5;
    QTest::newRow("y raised to 0.01") << 0.3 << 0.0 << 30.0 << 0.69 / 0.01;
}

void TestColorMatrix::xyToXyz()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, X);
    QFETCH(double, Z);
    const double xy[2] = {x, y};
    double xyz[3];
    QCOMPARE(ispXYtoXYZ(xyz, xy), 1.0);
    QVERIFY2(std::fabs(xyz[0] - X) < 1e-9, qPrintable(QString::number(xyz[0], 'g', 12)));
    QCOMPARE(xyz[1], 1.0);
    QVERIFY2(std::fabs(xyz[2] - Z) < 1e-9, qPrintable(QString::number(xyz[2], 'g', 12)));
}

void TestColorMatrix::mapWhite()
{
    double d50[2];
    D50_xy_coord(d50);
    QCOMPARE(d50[0], 0.3457);
    QCOMPARE(d50[1], 0.3585);

    Matrix same;
    ispMapWhiteMatrix(same.data(), d50, d50);
    QVERIFY(fuzzyEqual(same.data(), kIdentity.data(), 9));

    // An adaptation maps the first white's XYZ onto the second's.
    const double illuminantA[2] = {0.44757, 0.40745};
    Matrix toA;
    ispMapWhiteMatrix(toA.data(), d50, illuminantA);
    double xyzD50[3], xyzA[3], mapped[3];
    ispXYtoXYZ(xyzD50, d50);
    ispXYtoXYZ(xyzA, illuminantA);
    ispMultiMatVec(mapped, toA.data(), xyzD50);
    QVERIFY(fuzzyEqual(mapped, xyzA, 3));

    // And the way back is its inverse.
    Matrix back, product;
    ispMapWhiteMatrix(back.data(), illuminantA, d50);
    ispMultiMatrix(product.data(), back.data(), toA.data());
    QVERIFY(fuzzyEqual(product.data(), kIdentity.data(), 9));
}

QTEST_GUILESS_MAIN(TestColorMatrix)
#include "tst_colormatrix.moc"
