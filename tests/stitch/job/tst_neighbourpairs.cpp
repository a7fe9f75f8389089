// The one walk over a grid's neighbour pairs that every stage takes, for
// every layout style and the sizes where the styles' edges lie.
#include "stitch/job/CStitchMatrix.h"
#include "stitch/job/NeighbourPairs.h"

#include <QtTest>

namespace {

// A pair as its owner, '>' (right neighbour) or 'v' (lower neighbour), the
// neighbour, and '*' after a ring's closing pair: "2,0>0,0*".
QString Written(const NeighbourPair& p)
{
    return QStringLiteral("%1,%2%3%4,%5%6")
        .arg(p.col)
        .arg(p.row)
        .arg(p.horizontal ? QLatin1Char('>') : QLatin1Char('v'))
        .arg(p.nextCol)
        .arg(p.nextRow)
        .arg(p.closing ? QStringLiteral("*") : QString());
}

} // namespace

class TestNeighbourPairs : public QObject
{
    Q_OBJECT

private slots:
    void walk_data();
    void walk();
    void fromGrid();
};

void TestNeighbourPairs::walk_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<int>("seams");

    QTest::newRow("row of one") << 0 << 1 << 1 << "" << 0;
    QTest::newRow("row of two") << 0 << 2 << 1 << "0,0>1,0" << 1;
    QTest::newRow("row of four") << 0 << 4 << 1 << "0,0>1,0 1,0>2,0 2,0>3,0" << 3;
    // A row lies in row 0 whatever the grid says.
    QTest::newRow("row on two rows") << 0 << 3 << 2 << "0,0>1,0 1,0>2,0" << 2;
    QTest::newRow("row without columns") << 0 << 0 << 1 << "" << 0;
    QTest::newRow("row of negative size") << 0 << -3 << 1 << "" << 0;

    QTest::newRow("column of one") << 1 << 1 << 1 << "" << 0;
    QTest::newRow("column of three") << 1 << 1 << 3 << "0,0v0,1 0,1v0,2" << 2;
    QTest::newRow("column on two columns") << 1 << 2 << 3 << "0,0v0,1 0,1v0,2" << 2;

    // The closing pair comes last and belongs to the last photo; a ring of
    // one photo closes on itself.
    QTest::newRow("ring of one") << 2 << 1 << 1 << "0,0>0,0*" << 1;
    QTest::newRow("ring of two") << 2 << 2 << 1 << "0,0>1,0 1,0>0,0*" << 2;
    QTest::newRow("ring of four") << 2 << 4 << 1 << "0,0>1,0 1,0>2,0 2,0>3,0 3,0>0,0*" << 4;
    QTest::newRow("ring without columns") << 2 << 0 << 1 << "" << 0;

    // Right pairs row by row, then lower pairs column by column. The seams
    // are the right pairs and the lower pairs of column 0 (row strip to row
    // strip), which the walk reaches first among the lower ones.
    QTest::newRow("tile of one") << 3 << 1 << 1 << "" << 0;
    QTest::newRow("tile of one row") << 3 << 3 << 1 << "0,0>1,0 1,0>2,0" << 2;
    QTest::newRow("tile of one column") << 3 << 1 << 3 << "0,0v0,1 0,1v0,2" << 2;
    QTest::newRow("tile 2 x 2") << 3 << 2 << 2 << "0,0>1,0 0,1>1,1 0,0v0,1 1,0v1,1" << 3;
    QTest::newRow("tile 3 x 2") << 3 << 3 << 2 << "0,0>1,0 1,0>2,0 0,1>1,1 1,1>2,1 0,0v0,1 1,0v1,1 2,0v2,1" << 5;
    QTest::newRow("tile 2 x 3") << 3 << 2 << 3 << "0,0>1,0 0,1>1,1 0,2>1,2 0,0v0,1 0,1v0,2 1,0v1,1 1,1v1,2" << 5;
    QTest::newRow("tile without rows") << 3 << 3 << 0 << "" << 0;
    QTest::newRow("tile without columns") << 3 << 0 << 3 << "" << 0;
}

void TestNeighbourPairs::walk()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QString, pairs);
    QFETCH(int, seams);

    const NeighbourPairs walk(tagStitchStyle(style), cols, rows);
    QStringList written;
    for (const NeighbourPair& p : walk)
        written << Written(p);
    QCOMPARE(written.join(QLatin1Char(' ')), pairs);
    QCOMPARE(walk.Count(), int(written.size()));
    QCOMPARE(walk.SeamCount(), seams);
    for (int k = 0; k < walk.Count(); ++k) {
        const NeighbourPair p = walk.At(k);
        QCOMPARE(Written(p), written.at(k));
        QCOMPARE(p.WithItself(), style == StitchStyle360 && cols == 1);
    }
}

void TestNeighbourPairs::fromGrid()
{
    // The grid's style and size, nothing else: no element array is needed.
    CStitchMatrix grid;
    grid.m_Style = StitchStyleTile;
    grid.m_lCols = 3;
    grid.m_lRows = 2;
    const NeighbourPairs fromGrid(grid);
    const NeighbourPairs given(StitchStyleTile, 3, 2);
    QCOMPARE(fromGrid.Count(), given.Count());
    for (int k = 0; k < given.Count(); ++k)
        QCOMPARE(Written(fromGrid.At(k)), Written(given.At(k)));
    grid.m_Style = StitchStyle360;
    QCOMPARE(Written(NeighbourPairs(grid).At(2)), QStringLiteral("2,0>0,0*"));
}

QTEST_APPLESS_MAIN(TestNeighbourPairs)
#include "tst_neighbourpairs.moc"
