#include "canvas/PicturePrefetch.h"
#include "canvas/PictureRenderPool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

// Decodes as the program's reader would for these tests: a file whose name
// starts with "bad" does not decode (and says so), any other gives a 4 x 4 picture whose
// width tells the file (its name's length). Writes down what it was asked.
struct RecordingDecoder
{
    std::mutex mutex;
    QStringList asked;

    PicturePrefetch::Decoder decoder()
    {
        return [this](const QString& path, QString* error) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                asked << QFileInfo(path).fileName();
            }
            if (QFileInfo(path).fileName().startsWith(QLatin1String("bad"))) {
                *error = QStringLiteral("no picture in ") + QFileInfo(path).fileName();
                return QImage();
            }
            QImage image(QFileInfo(path).fileName().size(), 4, QImage::Format_RGB32);
            image.fill(Qt::green);
            return image;
        };
    }
};

// Holds decodes until opened; counts the pictures it made that are still
// alive, so a test sees every one freed.
struct Gate
{
    struct Pixels
    {
        Gate* gate;
        uchar bytes[4 * 4 * 4];
    };

    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int entered = 0;
    std::atomic<int> alive {0};

    PicturePrefetch::Decoder decoder()
    {
        return [this](const QString&, QString*) {
            std::unique_lock<std::mutex> lock(mutex);
            ++entered;
            changed.notify_all();
            changed.wait(lock, [this] { return open; });
            lock.unlock();
            auto* pixels = new Pixels {this, {}};
            ++alive;
            return QImage(pixels->bytes, 4, 4, 16, QImage::Format_RGB32,
                [](void* info) {
                    auto* freed = static_cast<Pixels*>(info);
                    --freed->gate->alive;
                    delete freed;
                },
                pixels);
        };
    }
    void waitEntered(int count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return entered >= count; });
    }
    void release()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            open = true;
        }
        changed.notify_all();
    }
};

} // namespace

class PicturePrefetchTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"a.png", "b.png", "bad.jpg", "bad2.jpg", "relative.png"}) {
            QFile file(m_dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QByteArray fifo = QFile::encodeName(m_dir.filePath(QStringLiteral("fifo.png")));
        if (!QFileInfo::exists(m_dir.filePath(QStringLiteral("fifo.png"))))
            QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    }

    // Which files the worker decodes, in which order: the reader's walk,
    // stopping at the first picture.
    void triesAsTheReaderDoes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("first decodes") << QStringList{"a.png", "b.png"} << QStringList{"a.png"};
        QTest::newRow("missing skipped") << QStringList{"gone.png", "b.png"} << QStringList{"b.png"};
        QTest::newRow("damaged then next") << QStringList{"bad.jpg", "a.png"} << QStringList{"bad.jpg", "a.png"};
        QTest::newRow("fifo never opened") << QStringList{"fifo.png", "b.png"} << QStringList{"b.png"};
        QTest::newRow("folder skipped") << QStringList{".", "a.png"} << QStringList{"a.png"};
        QTest::newRow("all fail") << QStringList{"bad.jpg", "gone.png", "bad2.jpg"}
                                  << QStringList{"bad.jpg", "bad2.jpg"};
        QTest::newRow("same damaged file twice") << QStringList{"bad.jpg", "bad.jpg"}
                                                 << QStringList{"bad.jpg", "bad.jpg"};
        QTest::newRow("none") << QStringList{} << QStringList{};
    }
    void triesAsTheReaderDoes()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, asked);
        RecordingDecoder recorder;
        QList<PicturePrefetch::Candidate> candidates;
        for (const QString& file : files)
            candidates.append({m_dir.filePath(file), m_dir.filePath(file)});
        PicturePrefetch prefetch(candidates, recorder.decoder());
        // take() waits for the worker, so what it asked is complete after.
        prefetch.take(QStringLiteral("nothing"));
        std::lock_guard<std::mutex> lock(recorder.mutex);
        QCOMPARE(recorder.asked, asked);
    }

    // Each tried file's result once, failures as null; untried files are
    // left to the caller.
    void handsOutEachResultOnce()
    {
        RecordingDecoder recorder;
        const QString bad = m_dir.filePath(QStringLiteral("bad.jpg"));
        const QString a = m_dir.filePath(QStringLiteral("a.png"));
        const QString b = m_dir.filePath(QStringLiteral("b.png"));
        PicturePrefetch prefetch({{bad, bad}, {bad, bad}, {a, a}, {b, b}}, recorder.decoder());

        for (int round = 0; round < 2; ++round) {
            QString error;
            const std::optional<QImage> failed = prefetch.take(bad, &error);
            QVERIFY(failed.has_value());
            QVERIFY(failed->isNull());
            QCOMPARE(error, QStringLiteral("no picture in bad.jpg"));
        }
        QVERIFY(!prefetch.take(bad).has_value());
        const std::optional<QImage> image = prefetch.take(a);
        QVERIFY(image.has_value());
        QCOMPARE(image->width(), 5); // "a.png"
        QVERIFY(!prefetch.take(a).has_value());
        QVERIFY(!prefetch.take(b).has_value()); // never tried: a decoded first
    }

    // The relative candidate is checked under one spelling and decoded
    // under the other, as the reader does; take() answers to the decoded one.
    void relativeCandidate()
    {
        RecordingDecoder recorder;
        const QString checked = m_dir.path() + QStringLiteral("/sub/../relative.png");
        const QString decoded = QDir::cleanPath(checked);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        PicturePrefetch prefetch({{checked, decoded}}, recorder.decoder());
        QVERIFY(!prefetch.take(checked).has_value());
        const std::optional<QImage> image = prefetch.take(decoded);
        QVERIFY(image.has_value() && !image->isNull());
    }

    // Let go before its decode ran: nothing decoded, nothing kept. Let go
    // while decoding: the picture is freed once the decode ends.
    void letGoEarlyLeavesNothing()
    {
        Gate gate;
        const QString a = m_dir.filePath(QStringLiteral("a.png"));
        const QString b = m_dir.filePath(QStringLiteral("b.png"));
        auto running = std::make_unique<PicturePrefetch>(QList<PicturePrefetch::Candidate>{{a, a}}, gate.decoder());
        gate.waitEntered(1);
        // Queued behind the held one on a pool of one thread, or running
        // beside it on a larger pool: either way it is cancelled or freed.
        auto queued = std::make_unique<PicturePrefetch>(QList<PicturePrefetch::Candidate>{{b, b}}, gate.decoder());
        queued.reset();
        running.reset();
        gate.release();
        PictureRenderPool::instance().waitUntilIdle();
        QCOMPARE(gate.alive.load(), 0);
        QVERIFY(gate.entered <= 2);
    }

    // Taken pictures live on with their taker; nothing else is kept.
    void takenPictureOutlivesPrefetch()
    {
        Gate gate;
        gate.release();
        const QString a = m_dir.filePath(QStringLiteral("a.png"));
        QImage kept;
        {
            PicturePrefetch prefetch({{a, a}}, gate.decoder());
            kept = prefetch.take(a).value_or(QImage());
        }
        PictureRenderPool::instance().waitUntilIdle();
        QVERIFY(!kept.isNull());
        QCOMPARE(gate.alive.load(), 1);
        kept = QImage();
        QCOMPARE(gate.alive.load(), 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PicturePrefetchTest)
#include "tst_pictureprefetch.moc"
