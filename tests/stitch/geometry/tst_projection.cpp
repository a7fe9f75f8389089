#include "stitch/geometry/CCoordinate.h"
#include "stitch/geometry/CProjection.h"
#include "stitch/geometry/CStitchTransform.h"

#include <QtTest>

#include <cmath>

// Conversions between panorama picture, cartesian, spherical, cylindrical
// and film coordinates, and the axis-angle form of rotations.
class TestProjection : public QObject
{
    Q_OBJECT

private slots:
    void pictureToCartesian_data();
    void pictureToCartesian();
    void cartesianToPicture_data();
    void cartesianToPicture();
    void filmToPicture_data();
    void filmToPicture();
    void roundTrips_data();
    void roundTrips();
    void degenerateDirections();
    void behindTheImage();
    void realFilmAndCompensation();
    void axisAngle_data();
    void axisAngle();
    void axisAngleByHand();
    void verifyTransform_data();
    void verifyTransform();
};

namespace {

CStitchTransform turn(double yaw, double pitch, double roll)
{
    double axis[3], y[9], p[9], r[9];
    axis[0] = 0, axis[1] = 1, axis[2] = 0;
    CCoordinate::AxisAngle2UOM(axis, y, yaw);
    axis[0] = 1, axis[1] = 0, axis[2] = 0;
    CCoordinate::AxisAngle2UOM(axis, p, pitch);
    axis[0] = 0, axis[1] = 0, axis[2] = 1;
    CCoordinate::AxisAngle2UOM(axis, r, roll);
    CStitchTransform a, b, c;
    std::copy(y, y + 9, a.m_Matrix);
    std::copy(p, p + 9, b.m_Matrix);
    std::copy(r, r + 9, c.m_Matrix);
    const CStitchTransform ab = a.Multiple(&b);
    return ab.Multiple(&c);
}

CStitchTransform identity()
{
    CStitchTransform t;
    t.Identity();
    return t;
}

} // namespace

void TestProjection::pictureToCartesian_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("picture"); // x, y, r
    QTest::addColumn<QList<double>>("cartesian");
    const double s = std::sqrt(0.5) * 100;
    // Horizontal cylinder: theta = x / r, c = (r sin theta, y, -r cos theta).
    QTest::newRow("cylinder, straight ahead") << 0 << 1 << QList<double>{0, 5, 100} << QList<double>{0, 5, -100};
    QTest::newRow("cylinder, quarter turn") << 0 << 1 << QList<double>{50 * M_PI, -7, 100}
                                            << QList<double>{100, -7, 0};
    QTest::newRow("cylinder, half turn") << 2 << 1 << QList<double>{100 * M_PI, 0, 100} << QList<double>{0, 0, 100};
    // Vertical: theta = y / r, c = (x, r sin theta, -r cos theta).
    QTest::newRow("vertical cylinder") << 1 << 1 << QList<double>{5, 50 * M_PI, 100} << QList<double>{5, 100, 0};
    QTest::newRow("vertical, eighth") << 1 << 1 << QList<double>{-3, 25 * M_PI, 100} << QList<double>{-3, s, -s};
    // Sphere: theta = x / r, phi = y / r, (r cos phi sin theta, r sin phi, -r cos phi cos theta).
    QTest::newRow("sphere, up 45") << 3 << 2 << QList<double>{0, 25 * M_PI, 100} << QList<double>{0, s, -s};
    QTest::newRow("sphere, right 90 up 45") << 3 << 2 << QList<double>{50 * M_PI, 25 * M_PI, 100}
                                            << QList<double>{s, s, 0};
}

void TestProjection::pictureToCartesian()
{
    QFETCH(int, style);
    QFETCH(int, kind);
    QFETCH(QList<double>, picture);
    QFETCH(QList<double>, cartesian);
    const CProjection projection{tagStitchStyle(style), STITCHMETHOD(kind)};
    const PictureCoord p{picture[0], picture[1], picture[2]};
    CartesianCoord c{-1, -1, -1};
    projection.Picture2Cartesian(&p, &c);
    QVERIFY(std::fabs(c.x - cartesian[0]) < 1e-9);
    QVERIFY(std::fabs(c.y - cartesian[1]) < 1e-9);
    QVERIFY(std::fabs(c.z - cartesian[2]) < 1e-9);
    // The plane kind writes nothing.
    const CProjection plane{tagStitchStyle(style), STITCHMETHOD(3)};
    CartesianCoord untouched{7, 8, 9};
    plane.Picture2Cartesian(&p, &untouched);
    QCOMPARE(untouched.x, 7.0);
    QCOMPARE(untouched.z, 9.0);
}

void TestProjection::cartesianToPicture_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("cartesian");
    QTest::addColumn<QList<double>>("picture"); // r given as input for the cylinder
    // (-1, 3, 0): rho 1, acos(0) = pi/2, x < 0 gives 3 pi / 2; x = 100 x 3 pi / 2.
    QTest::newRow("cylinder, left") << 0 << 1 << QList<double>{-1, 3, 0} << QList<double>{150 * M_PI, 3, 100};
    // (0, 2, -4): theta 0, height 2.
    QTest::newRow("cylinder, ahead") << 0 << 1 << QList<double>{0, 2, -4} << QList<double>{0, 2, 100};
    // Vertical: rho from (y, z); (5, -2, 0): theta = 3 pi / 2, h = 5.
    QTest::newRow("vertical, down") << 1 << 1 << QList<double>{5, -2, 0} << QList<double>{5, 150 * M_PI, 100};
    // Sphere: (-1, 0, 0) gives theta 3 pi / 2, phi 0 and r 1: p = (3 pi / 2, 0, 1).
    QTest::newRow("sphere, left") << 3 << 2 << QList<double>{-1, 0, 0} << QList<double>{1.5 * M_PI, 0, 1};
    // (0, 0, -1): theta 0, phi 0.
    QTest::newRow("sphere, ahead") << 3 << 2 << QList<double>{0, 0, -1} << QList<double>{0, 0, 1};
    // (0, 2, -2): r = 2 sqrt 2, phi = pi / 4: p = (0, 2 sqrt 2 pi / 4, 2 sqrt 2).
    QTest::newRow("sphere, up") << 3 << 2 << QList<double>{0, 2, -2}
                                << QList<double>{0, 2 * std::sqrt(2.0) * M_PI / 4, 2 * std::sqrt(2.0)};
}

void TestProjection::cartesianToPicture()
{
    QFETCH(int, style);
    QFETCH(int, kind);
    QFETCH(QList<double>, cartesian);
    QFETCH(QList<double>, picture);
    const CProjection projection{tagStitchStyle(style), STITCHMETHOD(kind)};
    const CartesianCoord c{cartesian[0], cartesian[1], cartesian[2]};
    PictureCoord p{0, 0, 100};
    projection.Cartesian2Picture(&c, &p);
    QVERIFY2(std::fabs(p.x - picture[0]) < 1e-9, qPrintable(QString::number(p.x)));
    QVERIFY2(std::fabs(p.y - picture[1]) < 1e-9, qPrintable(QString::number(p.y)));
    QVERIFY(std::fabs(p.r - picture[2]) < 1e-9);
}

void TestProjection::filmToPicture_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("film"); // x, y, f
    QTest::addColumn<double>("pitch");       // the image turned about x, degrees
    QTest::addColumn<QList<double>>("picture");
    // (100, 0, -100) on a cylinder of radius 200: theta = pi / 4, x = 50 pi.
    QTest::newRow("cylinder, 45 right") << 0 << 1 << QList<double>{100, 0, 100} << 0.0
                                        << QList<double>{50 * M_PI, 0, 200};
    // (0, 100, -100): distance from the axis 100, scaled by 2: height 200.
    QTest::newRow("cylinder, up") << 0 << 1 << QList<double>{0, 100, 100} << 0.0 << QList<double>{0, 200, 200};
    // Turned 90 degrees up, the centre ray is (0, 100, 0): on the axis; it
    // becomes (0.01, 100, 0), scaled by 200 / 0.01: theta = pi / 2, height 2e6.
    QTest::newRow("cylinder, straight up") << 0 << 1 << QList<double>{0, 0, 100} << 90.0
                                           << QList<double>{100 * M_PI, 2e6, 200};
    // Vertical: (0, 100, -100): theta = pi / 4 along y.
    QTest::newRow("vertical, 45 up") << 1 << 1 << QList<double>{0, 100, 100} << 0.0
                                     << QList<double>{0, 50 * M_PI, 200};
    // Sphere: (100, 0, -100) lies at distance 100 sqrt 2; theta = pi / 4, r = 200.
    QTest::newRow("sphere, 45 right") << 3 << 2 << QList<double>{100, 0, 100} << 0.0
                                      << QList<double>{50 * M_PI, 0, 200};
    // Plane: the picture is left as it was.
    QTest::newRow("plane") << 0 << 3 << QList<double>{100, 0, 100} << 0.0 << QList<double>{0, 0, 200};
}

void TestProjection::filmToPicture()
{
    QFETCH(int, style);
    QFETCH(int, kind);
    QFETCH(QList<double>, film);
    QFETCH(double, pitch);
    QFETCH(QList<double>, picture);
    const CProjection projection{tagStitchStyle(style), STITCHMETHOD(kind)};
    const CStitchTransform T = turn(0, pitch * M_PI / 180, 0);
    const FilmCoord f{film[0], film[1], film[2]};
    PictureCoord p{0, 0, 200};
    projection.Film2Picture(&f, &p, &T);
    QVERIFY2(std::fabs(p.x - picture[0]) < 1e-6 * std::max(1.0, std::fabs(picture[0])), qPrintable(QString::number(p.x)));
    QVERIFY2(std::fabs(p.y - picture[1]) < 1e-6 * std::max(1.0, std::fabs(picture[1])), qPrintable(QString::number(p.y)));
    QCOMPARE(p.r, picture[2]);
}

void TestProjection::roundTrips_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("kind");
    QTest::newRow("horizontal cylinder") << 0 << 1;
    QTest::newRow("360 cylinder") << 2 << 1;
    QTest::newRow("vertical cylinder") << 1 << 1;
    QTest::newRow("sphere") << 3 << 2;
}

void TestProjection::roundTrips()
{
    QFETCH(int, style);
    QFETCH(int, kind);
    const CProjection projection{tagStitchStyle(style), STITCHMETHOD(kind)};
    const CStitchTransform T = turn(0.7, -0.2, 0.05);
    double worst = 0;
    for (int i = -4; i <= 4; ++i)
        for (int j = -3; j <= 3; ++j) {
            const FilmCoord film{i * 97.5, j * 81.25, 900};
            PictureCoord p{0, 0, 1234.5};
            projection.Film2Picture(&film, &p, &T);
            FilmCoord back{0, 0, 900};
            QVERIFY(projection.Picture2Film(&p, &back, &T));
            worst = std::max({worst, std::fabs(back.x - film.x), std::fabs(back.y - film.y)});
        }
    QVERIFY2(worst < 1e-9, qPrintable(QString::number(worst)));
    // Cylinder and sphere records: there and back.
    if (kind == 1) {
        const PictureCoord p{321.5, 145.25, 400}; // theta in [0, 2 pi) both ways
        CylindricalCoord y;
        PictureCoord q;
        projection.Picture2Cylindrical(&p, &y);
        projection.Cylindrical2Picture(&y, &q);
        QVERIFY(std::fabs(q.x - p.x) < 1e-12 && std::fabs(q.y - p.y) < 1e-12 && q.r == p.r);
        CartesianCoord c;
        CylindricalCoord z;
        projection.Cylindrical2Cartesian(&y, &c);
        projection.Cartesian2Cylindrical(&c, &z);
        QVERIFY(std::fabs(z.theta - y.theta) < 1e-12 && std::fabs(z.h - y.h) < 1e-12 && std::fabs(z.r - y.r) < 1e-9);
    } else {
        const SphericalCoord s{3, 5.5, -0.4};
        CartesianCoord c;
        SphericalCoord t;
        projection.Spherical2Cartesian(&s, &c);
        projection.Cartesian2Spherical(&c, &t);
        QVERIFY(std::fabs(t.theta - s.theta) < 1e-12 && std::fabs(t.phi - s.phi) < 1e-12 && std::fabs(t.r - 3) < 1e-12);
        PictureCoord p;
        SphericalCoord u;
        projection.Spherical2Picture(&s, &p);
        projection.Picture2Spherical(&p, &u);
        QVERIFY(std::fabs(u.theta - s.theta) < 1e-12 && std::fabs(u.phi - s.phi) < 1e-12);
    }
}

void TestProjection::degenerateDirections()
{
    // Along the axis (rho 0) the angle is 0, not NaN; the origin too.
    const CProjection sphere(StitchStyleTile, STITCHMETHOD(2));
    SphericalCoord s{-1, -1, -1};
    const CartesianCoord pole{0, 5, 0}, origin{0, 0, 0};
    sphere.Cartesian2Spherical(&pole, &s);
    QCOMPARE(s.theta, 0.0);
    QVERIFY(std::fabs(s.phi - M_PI / 2) < 1e-12);
    sphere.Cartesian2Spherical(&origin, &s);
    QCOMPARE(s.theta, 0.0);
    QCOMPARE(s.phi, 0.0);
    const CProjection cylinder(StitchStyleHorizontal, STITCHMETHOD(1));
    CylindricalCoord y{-1, -1, -1};
    cylinder.Cartesian2Cylindrical(&pole, &y);
    QCOMPARE(y.theta, 0.0);
    QCOMPARE(y.h, 5.0);
    // A quotient rounded just past -1: (tiny x, 0, z) keeps acos finite.
    const CartesianCoord behind{1e-300, 0, 1};
    cylinder.Cartesian2Cylindrical(&behind, &y);
    QVERIFY(std::isfinite(y.theta) && std::fabs(y.theta - M_PI) < 1e-12);
    // A film point at the sphere's centre (f = 0): moved to (0, 0.01, 0),
    // scaled to radius 100: straight up, p = (0, 100 pi / 2, 100).
    const CStitchTransform T = turn(0, 0, 0);
    const FilmCoord zero{0, 0, 0};
    PictureCoord p{0, 0, 100};
    sphere.Film2Picture(&zero, &p, &T);
    QVERIFY(std::fabs(p.y - 50 * M_PI) < 1e-12);
    QCOMPARE(p.x, 0.0);
    QCOMPARE(p.r, 100.0);
}

void TestProjection::behindTheImage()
{
    const CProjection cylinder(StitchStyleHorizontal, STITCHMETHOD(1));
    const CStitchTransform T = identity();
    // theta = pi: the point (0, 0, r) lies behind the image.
    const PictureCoord back{100 * M_PI, 0, 100};
    FilmCoord film{0, 0, 50};
    QVERIFY(!cylinder.Picture2Film(&back, &film, &T));
    // Just past a quarter turn: behind as well.
    const PictureCoord past{100 * (M_PI / 2 + 0.01), 3, 100};
    QVERIFY(!cylinder.Picture2Film(&past, &film, &T));
    // In the image's own plane (depth 0): nothing is written.
    const CartesianCoord side{1, 3, 0};
    film = FilmCoord{11, 12, 50};
    QVERIFY(!cylinder.Cartesian2Film(&side, &film, &T));
    QCOMPARE(film.x, 11.0);
    QCOMPARE(film.y, 12.0);
    // Ahead: the film point of (sin 0.1, 0.2, -cos 0.1) at f 50.
    const PictureCoord ahead{10, 20, 100};
    QVERIFY(cylinder.Picture2Film(&ahead, &film, &T));
    QVERIFY(std::fabs(film.x - 50 * std::tan(0.1)) < 1e-12);
    QVERIFY(std::fabs(film.y - 50 * 20 / (100 * std::cos(0.1))) < 1e-12);
}

void TestProjection::realFilmAndCompensation()
{
    const CProjection cylinder(StitchStyleHorizontal, STITCHMETHOD(1));
    // With the identity the depth along the image axis is -r whatever theta:
    // t = -r / (-cos theta), P = (r tan theta, y, -r); film = (f tan theta, f y / r).
    const CStitchTransform T = identity();
    const PictureCoord p{30, 40, 100};
    FilmCoord film{0, 0, 100};
    QVERIFY(cylinder.Picture2RealFilm(&p, &film, &T));
    QVERIFY(std::fabs(film.x - 100 * std::tan(0.3)) < 1e-12);
    QVERIFY(std::fabs(film.y - 40) < 1e-12);
    // Image axis across the panorama axis (T[2][2] = 0): the plain cylinder point.
    const CStitchTransform side = turn(M_PI / 2, 0, 0);
    FilmCoord a{0, 0, 100}, b{0, 0, 100};
    cylinder.Picture2RealFilm(&p, &a, &side);
    cylinder.Picture2FilmFast(&p, &b, &side);
    QCOMPARE(a.x, b.x);
    QCOMPARE(a.y, b.y);
    // Compensation by a turn undoes that turn: a point turned by 0.2 about
    // y and turned back lands where the plain point does.
    double axis[3] = {0, 1, 0}, M[9];
    CCoordinate::AxisAngle2UOM(axis, M, 0.2);
    const double c[3] = {std::sin(0.1) * 100, 5, -std::cos(0.1) * 100};
    const double turned[3] = {M[0] * c[0] + M[1] * c[1] + M[2] * c[2], M[3] * c[0] + M[4] * c[1] + M[5] * c[2],
                              M[6] * c[0] + M[7] * c[1] + M[8] * c[2]};
    FilmCoord viaTurn{0, 0, 100}, plain{0, 0, 100};
    QVERIFY(cylinder.Picture2FilmFastWithCompensation(turned[0], turned[1], turned[2], &viaTurn, &T, axis, 0.2));
    const CartesianCoord cc{c[0], c[1], c[2]};
    cylinder.Cartesian2Film(&cc, &plain, &T);
    QVERIFY(std::fabs(viaTurn.x - plain.x) < 1e-9 && std::fabs(viaTurn.y - plain.y) < 1e-9);
}

void TestProjection::axisAngle_data()
{
    QTest::addColumn<QList<double>>("axis");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("reported"); // the angle UOM2AxisAngle gives back
    QTest::newRow("y, 10 degrees") << QList<double>{0, 1, 0} << 10.0 << 10.0;
    QTest::newRow("x, 44 degrees") << QList<double>{1, 0, 0} << 44.0 << 44.0;
    QTest::newRow("oblique, 30") << QList<double>{1, 2, -2} << 30.0 << 30.0;
    QTest::newRow("oblique, 0.05") << QList<double>{-3, 1, 1} << 0.05 << 0.05;
    // Above 45 degrees the angle is reported as 0, the axis stays.
    QTest::newRow("z, 46 degrees") << QList<double>{0, 0, 1} << 46.0 << 0.0;
    QTest::newRow("oblique, 120") << QList<double>{2, -1, 2} << 120.0 << 0.0;
}

void TestProjection::axisAngle()
{
    QFETCH(QList<double>, axis);
    QFETCH(double, angle);
    QFETCH(double, reported);
    double k[3] = {axis[0], axis[1], axis[2]}, m[9];
    CCoordinate::AxisAngle2UOM(k, m, angle * M_PI / 180);
    const double n = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    double back[3], a = -1;
    QVERIFY(CCoordinate::UOM2AxisAngle(m, back, &a));
    QVERIFY2(std::fabs(a - reported * M_PI / 180) < 1e-9, qPrintable(QString::number(a)));
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::fabs(back[i] - axis[i] / n) < 1e-7, qPrintable(QString::number(back[i])));
    // A rotation: its rows are orthonormal.
    for (int r = 0; r < 3; ++r)
        QVERIFY(std::fabs(m[3 * r] * m[3 * r] + m[3 * r + 1] * m[3 * r + 1] + m[3 * r + 2] * m[3 * r + 2] - 1) < 1e-12);
}

void TestProjection::axisAngleByHand()
{
    // A quarter turn about z: x goes to y.
    double z[3] = {0, 0, 2}, m[9];
    CCoordinate::AxisAngle2UOM(z, m, M_PI / 2);
    const double expected[9] = {0, -1, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        QVERIFY(std::fabs(m[i] - expected[i]) < 1e-15);
    double axis[3], angle = -1;
    // The identity and a half turn: axis (1, 0, 0), angle 0.
    const double id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    QVERIFY(CCoordinate::UOM2AxisAngle(id, axis, &angle));
    QCOMPARE(angle, 0.0);
    QCOMPARE(axis[0], 1.0);
    const double half[9] = {-1, 0, 0, 0, -1, 0, 0, 0, 1};
    angle = -1;
    QVERIFY(CCoordinate::UOM2AxisAngle(half, axis, &angle));
    QCOMPARE(angle, 0.0);
    QCOMPARE(axis[0], 1.0);
    // Trace 4: (4 - 1) / 2 = 1.5 is no cosine.
    const double scaled[9] = {2, 0, 0, 0, 1, 0, 0, 0, 1};
    QVERIFY(!CCoordinate::UOM2AxisAngle(scaled, axis, &angle));
    // A turn so small that its cosine lies within 1e-8 of 1 counts as none.
    double k[3] = {0, 0, 1}, tiny[9];
    CCoordinate::AxisAngle2UOM(k, tiny, 1e-5);
    angle = -1;
    QVERIFY(CCoordinate::UOM2AxisAngle(tiny, axis, &angle));
    QCOMPARE(angle, 0.0);
    QCOMPARE(axis[0], 1.0);
}

void TestProjection::verifyTransform_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<QList<double>>("expected");
    // Entries 2.0 and -3.0 alternately: the lens decides which are clamped.
    QTest::newRow("normal: all nine") << 0 << QList<double>{1, -1, 1, -1, 1, -1, 1, -1, 1};
    QTest::newRow("35 mm: all nine") << 2 << QList<double>{1, -1, 1, -1, 1, -1, 1, -1, 1};
    QTest::newRow("telephoto: the upper-left four")
        << 1 << QList<double>{1, -1, 2, -1, 1, -3, 2, -3, 2};
}

void TestProjection::verifyTransform()
{
    QFETCH(int, lens);
    QFETCH(QList<double>, expected);
    CStitchTransform T;
    for (int i = 0; i < 9; ++i)
        T.m_Matrix[i] = i % 2 == 0 ? 2.0 : -3.0;
    CCoordinate::VerifyTransform(&T, STITCHLENS(lens));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(T.m_Matrix[i], expected[i]);
    // Entries inside the range stay exactly as they were.
    CStitchTransform R = turn(0.3, 0.2, 0.1), S = R;
    CCoordinate::VerifyTransform(&S, STITCHLENS(lens));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(S.m_Matrix[i], R.m_Matrix[i]);
}

QTEST_APPLESS_MAIN(TestProjection)
#include "tst_projection.moc"
