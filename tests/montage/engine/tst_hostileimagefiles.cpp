// One table of hostile picture files (headers that lie, files cut short,
// garbled JPEG scan data, flat pictures of 300 megapixels, a FIFO, a
// folder, a device, an empty file) run through every road by which the
// program reads a picture: the load worker of the collage and of the
// montage target, the browser's thumbnail, the montage tile, the panorama
// photo at full and at half size, the platform layer. Each road refuses
// each file with the same clear message, quickly, and shows nothing.
//
// The roads run in a child process, so that its peak memory is the
// table's own and a road that waits for ever (a FIFO) is caught by the
// parent's watchdog instead of hanging the test. The child sets a cap
// below the flat pictures' whole size: the roads that would hold them
// whole refuse them as too large, while the roads that want them small
// read them a row at a time in little memory (flatPicturesReadInRows, on
// a shorter picture: every row costs time).
#include "panorama/engine/IQPanoramaEngine.h"
#include "montage/engine/IQZorivuvBlock.h"
#include "montage/engine/IQZorivuvTileReader.h"
#include "files/IQImageFileItem.h"
#include "files/IQImageIO.h"
#include "files/IQImageLimits.h"
#include "files/LoadImageThread.h"
#include "platform/MacOSIO.h"

#include "../../files/HostileImageFiles.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace HostileImageFiles;

// The cap the child reads under: below every flat picture's whole size.
constexpr int childCapMB = 256;

struct Road
{
    const char* name;
    // True for a road that wants the picture small: it reads a flat
    // picture's rows instead of refusing it (flatPicturesReadInRows).
    bool small;
    // Reads `path`; true when it gave a picture (or a tile). `error`
    // receives the road's message.
    std::function<bool(const QString& path, QString* error)> read;
};

QList<Road> roads()
{
    return {
        {"load worker", false, [](const QString& path, QString* error) {
             // LoadImageThread::run's read, for the collage and the montage target.
             return !IQImageIO::readImage(path, error).isNull();
         }},
        {"thumbnail", true, [](const QString& path, QString* error) {
             IQImageFileItem item(path);
             const bool shown = !item.thumbnail(QSize(160, 120)).isNull();
             *error = item.errorString();
             return shown;
         }},
        {"montage tile", true, [](const QString& path, QString* error) {
             IQZorivuvBlock block(path);
             const bool drawn = block.convert(QSize(40, 40));
             const bool read = !IQZorivuvTileReader::readCovering(path, QSize(40, 40), error).isNull();
             return drawn || read;
         }},
        {"panorama photo", false, [](const QString& path, QString* error) {
             return !IQPanoramaEngine::readPhoto(path, StitchOutputOriginal, error).isNull();
         }},
        // A half of 20000 x 15000 is itself beyond the child's cap.
        {"panorama photo, half", false, [](const QString& path, QString* error) {
             return !IQPanoramaEngine::readPhoto(path, StitchOutputHalf, error).isNull();
         }},
        // The platform layer says nothing of why; its message is the image road's.
        {"platform", false, [](const QString& path, QString* error) {
             const bool shown = !MacOSIO::readImage(path).isNull();
             IQImageIO::readImage(path, error);
             return shown;
         }},
        {"platform thumbnail", true, [](const QString& path, QString* error) {
             const bool shown = !MacOSIO::readImageByQL(path, QSize(64, 64)).isNull();
             IQImageIO::readImage(path, [](const QSize&) { return QSize(64, 48); }, error);
             return shown;
         }},
    };
}

// Whether `road` must refuse `row` here.
bool applies(const Road& road, const Row& row)
{
    return !(road.small && row.refusal == Refusal::TooLarge);
}

QString expectedMessage(const Row& row, const QString& path)
{
    switch (row.refusal) {
    case Refusal::Damaged:
        return IQImageIO::damagedMessage();
    case Refusal::Implausible:
        return IQImageLimits::implausibleMessage(row.claim, QFileInfo(path).size());
    case Refusal::TooLarge:
        return IQImageLimits::tooLargeMessage(row.claim, childCapMB);
    }
    return QString();
}

// Runs `work` in a child process and returns what it wrote, or fails when
// the child does not end within `seconds` (it is killed then) or dies.
bool inChild(const std::function<QByteArray()>& work, int seconds, QByteArray* report, QString* failure)
{
    int channel[2];
    if (pipe(channel) != 0) {
        *failure = QStringLiteral("no pipe");
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        *failure = QStringLiteral("no child");
        return false;
    }
    if (child == 0) {
        close(channel[0]);
        const QByteArray out = work();
        qsizetype written = 0;
        while (written < out.size()) {
            const ssize_t n = write(channel[1], out.constData() + written, size_t(out.size() - written));
            if (n <= 0)
                _exit(1);
            written += n;
        }
        _exit(0);
    }
    close(channel[1]);
    // Read what comes while watching the clock; a child stuck on a read
    // never closes its end.
    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    int status = 0;
    char buffer[4096];
    fd_set set;
    while (!ended) {
        FD_ZERO(&set);
        FD_SET(channel[0], &set);
        timeval wait{0, 100000};
        if (select(channel[0] + 1, &set, nullptr, nullptr, &wait) > 0) {
            const ssize_t n = read(channel[0], buffer, sizeof buffer);
            if (n > 0)
                report->append(buffer, qsizetype(n));
        }
        ended = waitpid(child, &status, WNOHANG) == child;
        if (!ended && clock.elapsed() > seconds * 1000) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            close(channel[0]);
            *failure = QStringLiteral("the child did not end within %1 s: a read waits").arg(seconds);
            return false;
        }
    }
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        report->append(buffer, qsizetype(n));
    close(channel[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *failure = QStringLiteral("the child failed");
        return false;
    }
    return true;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The decoders' plug-ins and libraries loaded before a child starts, so
// that their code is not counted as the child's growth.
void warmDecoders(const QDir& dir)
{
    const QImage picture = detailedPicture(32, 24);
    for (const char* format : {"jpeg", "png", "bmp", "tiff", "webp", "gif"}) {
        const QString path = dir.filePath(QStringLiteral("warm.") + QLatin1String(format));
        if (format == QByteArray("gif"))
            TestSupport::writeFile(path, ImageFixtures::gifOf(8, 8, QList<int>(64, 1)));
        else
            TestSupport::writeFile(path, ImageFixtures::encode(picture, format));
        (void)IQImageIO::readImage(path);
        (void)IQImageIO::readImage(path, [](const QSize&) { return QSize(4, 3); });
    }
}

} // namespace

class TestHostileImageFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRoadRefusesEveryHostileFile();
    void loadWorkerSaysWhy();
    void flatPicturesReadInRows_data();
    void flatPicturesReadInRows();
    void noOtherDecoderInTheProgram();

private:
    QTemporaryDir m_dir;
    QList<Row> m_rows;
    QStringList m_paths;
};

void TestHostileImageFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    IQImageLimits::install();
    m_rows = table();
    QDir dir(m_dir.path());
    QVERIFY(dir.mkdir(QStringLiteral("table")));
    QVERIFY(dir.cd(QStringLiteral("table")));
    for (const Row& row : std::as_const(m_rows)) {
        const QString path = materialise(row, dir);
        QVERIFY2(!path.isEmpty(), qPrintable(row.tag));
        m_paths << path;
    }
    warmDecoders(QDir(m_dir.path()));
}

void TestHostileImageFiles::everyRoadRefusesEveryHostileFile()
{
    // The child reports one line a row and road: refused (1) or shown (0),
    // the milliseconds taken, the message. Then its growth in peak memory.
    const QList<Road> all = roads();
    const auto work = [this, &all] {
        QImageReader::setAllocationLimit(childCapMB);
        const long before = peakKilobytes();
        QByteArray out;
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            for (const Road& road : all) {
                if (!applies(road, m_rows.at(i)))
                    continue;
                QString error;
                QElapsedTimer clock;
                clock.start();
                const bool shown = road.read(m_paths.at(i), &error);
                out += QByteArray::number(i) + '\t' + road.name + '\t' + (shown ? "0" : "1") + '\t'
                       + QByteArray::number(clock.elapsed()) + '\t' + error.toUtf8() + '\n';
            }
            out += "peak\t" + QByteArray::number(i) + '\t' + QByteArray::number(peakKilobytes() - before) + '\n';
        }
        out += "growth\t" + QByteArray::number(peakKilobytes() - before) + '\n';
        return out;
    };
    QByteArray report;
    QString failure;
    QVERIFY2(inChild(work, 300, &report, &failure), qPrintable(failure));

    int lines = 0;
    qint64 slowest = 0;
    long peakSoFar = 0;
    for (const QByteArray& line : report.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2 && fields.at(0) == "growth") {
            const long growthKB = fields.at(1).toLong();
            qInfo("the table grew the child's peak memory by %ld KB; slowest read %lld ms", growthKB, slowest);
            QVERIFY2(growthKB < 300 * 1024, qPrintable(QString::number(growthKB)));
            continue;
        }
        if (fields.size() == 3 && fields.at(0) == "peak") {
            const long grown = fields.at(2).toLong();
            if (grown > peakSoFar) {
                qInfo("%s raised the child's peak by %ld KB", qPrintable(m_rows.at(fields.at(1).toInt()).tag),
                      grown - peakSoFar);
                peakSoFar = grown;
            }
            continue;
        }
        if (fields.size() != 5)
            continue;
        ++lines;
        const int index = fields.at(0).toInt();
        const Row& row = m_rows.at(index);
        const QString where = row.tag + QStringLiteral(" on the ") + QString::fromUtf8(fields.at(1));
        QVERIFY2(fields.at(2) == "1", qPrintable(where + QStringLiteral(": shown")));
        const QString message = QString::fromUtf8(fields.at(4));
        QVERIFY2(message == expectedMessage(row, m_paths.at(index)), qPrintable(where + QStringLiteral(": ") + message));
        const qint64 ms = fields.at(3).toLongLong();
        slowest = qMax(slowest, ms);
        QVERIFY2(ms < 1000, qPrintable(where + QStringLiteral(": %1 ms").arg(ms)));
    }
    int expectedLines = 0;
    for (const Row& row : std::as_const(m_rows))
        for (const Road& road : all)
            expectedLines += applies(road, row) ? 1 : 0;
    QCOMPARE(lines, expectedLines);
}

void TestHostileImageFiles::loadWorkerSaysWhy()
{
    // The worker itself, on its thread: one failed() with the road's
    // message and one loaded() with a null image a file, in order.
    // (A flat picture fits the program's own cap: it is read here.)
    QStringList paths;
    QList<Row> rows;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).refusal == Refusal::TooLarge)
            continue;
        paths << m_paths.at(i);
        rows << m_rows.at(i);
    }
    auto* worker = new LoadImageThread(paths);
    QStringList errors;
    QList<bool> shown;
    QObject::connect(worker, &LoadImageThread::failed, worker,
                     [&errors](int, const QString&, const QString& error) { errors << error; },
                     Qt::DirectConnection);
    QObject::connect(worker, &LoadImageThread::loaded, worker,
                     [&shown](int, const QString&, const QImage& image) { shown << !image.isNull(); },
                     Qt::DirectConnection);
    QVERIFY(ImageFixtures::runToEnd(worker));
    delete worker;
    QCOMPARE(shown, QList<bool>(rows.size(), false));
    QCOMPARE(errors.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).refusal == Refusal::Damaged)
            QCOMPARE(errors.at(i), IQImageIO::damagedMessage());
        else
            QCOMPARE(errors.at(i), IQImageLimits::implausibleMessage(rows.at(i).claim, QFileInfo(paths.at(i)).size()));
    }
}

void TestHostileImageFiles::flatPicturesReadInRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("everyRoad"); // also a tile and a quarter-size panorama photo
    // 20000 x 3000 whole is 60 MB at a byte a pixel (120 MB at two), 240 MB
    // once widened to 32 bits for scaling, 7.5 MB at one bit; read in rows
    // it costs a row and the reduced picture.
    const QSize size(20000, 3000);
    QTest::newRow("grey PNG, 1 bit") << "a.png" << flatPng(size, 0, 1) << false;
    QTest::newRow("grey PNG, 8 bits") << "b.png" << flatPng(size, 0, 8) << true;
    QTest::newRow("grey PNG, 16 bits") << "c.png" << flatPng(size, 0, 16) << false;
    QTest::newRow("palette PNG") << "d.png" << flatPng(size, 3, 8) << false;
    QTest::newRow("grey TIFF, 16 bits") << "e.tif" << flatTiff16(size) << false;
}

void TestHostileImageFiles::flatPicturesReadInRows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, everyRoad);
    const QString path = m_dir.filePath(name);
    QVERIFY(TestSupport::writeFile(path, bytes));

    // Under the program's cap, in a child whose peak memory is noted after
    // the thumbnail (and tile), then after the quarter-size photo.
    const auto work = [&path, everyRoad] {
        const long before = peakKilobytes();
        IQImageFileItem item(path);
        const QImage thumbnail = item.thumbnail(QSize(160, 120));
        int means = 3;
        if (everyRoad) {
            IQZorivuvBlock tile(path);
            means = tile.convert(QSize(40, 40)) ? tile.mean[0] + tile.mean[1] + tile.mean[2] : -1;
        }
        const long small = peakKilobytes() - before;
        QString error;
        const QImage photo = everyRoad ? IQPanoramaEngine::readPhoto(path, StitchOutputQuarter, &error) : QImage();
        const long quarter = peakKilobytes() - before;
        QByteArray out;
        out += QByteArray::number(thumbnail.width()) + ' ' + QByteArray::number(thumbnail.height()) + ' ';
        out += QByteArray::number(thumbnail.isNull() ? -1 : qGray(thumbnail.pixel(80, 12))) + ' ';
        out += QByteArray::number(means) + ' ';
        out += QByteArray::number(photo.width()) + ' ' + QByteArray::number(photo.height()) + ' ';
        out += QByteArray::number(small) + ' ' + QByteArray::number(quarter) + ' ';
        out += (item.errorString() + QLatin1Char('|') + error).toUtf8();
        return out;
    };
    QByteArray report;
    QString failure;
    QVERIFY2(inChild(work, 300, &report, &failure), qPrintable(failure));
    const QList<QByteArray> fields = report.split(' ');
    QVERIFY2(fields.size() >= 8, report.constData());
    // 20000 x 3000 fits 160 x 120 as 160 x 24; black all over (a tile's
    // means are stored at least 1 each); a quarter is 5000 x 750.
    QCOMPARE(fields.at(0).toInt(), 160);
    QCOMPARE(fields.at(1).toInt(), 24);
    QCOMPARE(fields.at(2).toInt(), 0);
    QCOMPARE(fields.at(3).toInt(), 3);
    QCOMPARE(fields.at(4).toInt(), everyRoad ? 5000 : 0);
    QCOMPARE(fields.at(5).toInt(), everyRoad ? 750 : 0);
    // The quarter-size photo itself is 15 MB at four bytes a pixel and 11 MB
    // in the job's three.
    const long smallKB = fields.at(6).toLong();
    const long quarterKB = fields.at(7).toLong();
    qInfo("%s: peak memory grew by %ld KB for the thumbnail, %ld KB in all", qPrintable(name), smallKB, quarterKB);
    QVERIFY2(smallKB < 24 * 1024, qPrintable(QString::number(smallKB)));
    QVERIFY2(quarterKB < 48 * 1024, qPrintable(QString::number(quarterKB)));
}

void TestHostileImageFiles::noOtherDecoderInTheProgram()
{
    // Every decode of a picture file goes through the image road; only the
    // road itself and the RAW plug-in (whose embedded previews are its own
    // business) call a reader's read().
    const QDir source(TestSupport::sourceDir() + QStringLiteral("/src"));
    QVERIFY(source.exists());
    QStringList offenders;
    QDirIterator files(source.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    const QRegularExpression readCall(QStringLiteral(R"((\breader\w*|QImageReader\b[^;]*)\s*(\.|->)\s*read\s*\()"));
    const QRegularExpression readerMade(QStringLiteral(R"(\bQImageReader\s+\w+\s*[\(\{])"));
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = source.relativeFilePath(file);
        if (relative == QLatin1String("files/IQImageIO.cpp") || relative.startsWith(QLatin1String("rawplugin/")))
            continue;
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(in.readAll());
        if (readerMade.match(text).hasMatch() || readCall.match(text).hasMatch())
            offenders << relative;
    }
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1String(", "))));
}

QTEST_MAIN(TestHostileImageFiles)
#include "tst_hostileimagefiles.moc"
