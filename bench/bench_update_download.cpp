// The update downloader and checker against a fast loopback server: peak
// memory above idle and speed of a long download (written to disk as it
// comes), and of an endless feed (aborted at its bound).
//
// The server runs in a thread of its own, as a real server is another
// machine: it sends as fast as the socket takes, whatever the client does.
// VELLUMAR_DOWNLOAD_MB sets the download's length (default 2048).
#include "updates/Downloader.h"
#include "updates/Updater.h"

#include "LoopbackServer.h"
#include "MemoryProbe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <future>
#include <memory>

#include <malloc.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Starts a measurement from what is in use now: memory an earlier
// benchmark freed goes back to the system first, else it would be reused
// unseen.
std::unique_ptr<MemoryProbe::Peak> startPeak()
{
    malloc_trim(0);
    return std::make_unique<MemoryProbe::Peak>();
}

qint64 downloadLength()
{
    const qint64 mb = qEnvironmentVariableIntValue("VELLUMAR_DOWNLOAD_MB");
    return (mb > 0 ? mb : 2048) * MiB;
}

// The TLS configuration of the https server, its certificate trusted by
// every later request; made once.
const QSslConfiguration& tlsConfiguration()
{
    static QTemporaryDir dir;
    static const QSslConfiguration configuration = [] {
        QString error;
        QSslConfiguration made = LoopbackServer::selfSigned(dir.path(), QStringLiteral("bench"), &error);
        if (!made.localCertificate().isNull())
            LoopbackServer::trust(made.localCertificate());
        return made;
    }();
    return configuration;
}

// A LoopbackServer with its own thread and event loop; it serves what was
// given before start().
class ServerThread : public QThread
{
public:
    QList<QPair<QString, LoopbackServer::Response>> responses;
    QSslConfiguration tls;

    // "http://127.0.0.1:<port>", once the server listens (empty when it
    // could not); ask once.
    QString waitForBase() { return m_base.get_future().get(); }

protected:
    void run() override
    {
        LoopbackServer server;
        for (const auto& [path, response] : responses)
            server.serve(path, response);
        m_base.set_value(server.listen(tls) ? server.url(QString()) : QString());
        exec();
    }

private:
    std::promise<QString> m_base;
};

struct Server
{
    ServerThread thread;
    QString base;

    explicit Server(const QList<QPair<QString, LoopbackServer::Response>>& responses,
                    const QSslConfiguration& tls = QSslConfiguration())
    {
        thread.responses = responses;
        thread.tls = tls;
        thread.start();
        base = thread.waitForBase();
    }
    ~Server()
    {
        thread.quit();
        thread.wait();
    }
};

LoopbackServer::Response generated(LoopbackServer::Framing framing, qint64 length)
{
    LoopbackServer::Response response;
    response.framing = framing;
    response.patternLength = length;
    return response;
}

// Downloads `url` into `dir` as `name`; the saved path, or empty.
QString download(Downloader& downloader, const QString& url, const QString& name)
{
    bool saved = false;
    const QMetaObject::Connection connection =
        QObject::connect(&downloader, &Downloader::downloadFinished, [&saved] { saved = true; });
    downloader.setFileName(name);
    downloader.startDownload(QUrl(url));
    MemoryProbe::waitUntil([&] { return saved || !downloader.isVisible(); }, 3600 * 1000);
    QObject::disconnect(connection);
    return saved ? downloader.savedFilePath() : QString();
}

// range(0): 0 with its length, 1 chunked; range(1): 1 over TLS.
void BM_Download(benchmark::State& state)
{
    const bool chunked = state.range(0) != 0;
    const bool tls = state.range(1) != 0;
    if (tls && tlsConfiguration().localCertificate().isNull()) {
        state.SkipWithError("no certificate (openssl missing?)");
        return;
    }
    const qint64 length = downloadLength();
    LoopbackServer::Response small;
    small.body = QByteArray(4096, 'w');
    Server server({{QStringLiteral("/warm.bin"), small},
                   {QStringLiteral("/package.bin"),
                    generated(chunked ? LoopbackServer::Chunked : LoopbackServer::Sized, length)}},
                  tls ? tlsConfiguration() : QSslConfiguration());
    QTemporaryDir dir;
    Downloader downloader;
    downloader.setDownloadDir(dir.path());
    downloader.setUseCustomInstallProcedures(true);

    double peakAboveIdle = 0;
    bool exact = true;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(download(downloader, server.base + QStringLiteral("/warm.bin"), QStringLiteral("warm.bin")));
        const auto peak = startPeak();
        state.ResumeTiming();
        const QString saved = download(downloader, server.base + QStringLiteral("/package.bin"),
                                       QStringLiteral("package.bin"));
        state.PauseTiming();
        peakAboveIdle = std::max(peakAboveIdle, double(peak->grownKiB()) / 1024.0);
        exact = exact && !saved.isEmpty() && LoopbackServer::holdsPattern(saved, length);
        QFile::remove(saved);
        state.ResumeTiming();
    }
    state.counters["MB"] = double(length) / double(MiB);
    state.counters["peak_above_idle_MB"] = peakAboveIdle;
    state.counters["byte_exact"] = exact ? 1 : 0;
    state.counters["MB_per_s"] =
        benchmark::Counter(double(length) / double(MiB) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Download)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"chunked", "tls"})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A feed that never ends: how far memory climbs before the check gives up.
void BM_EndlessFeed(benchmark::State& state)
{
    LoopbackServer::Response feed;
    feed.body = "{}";
    Server server({{QStringLiteral("/warm.json"), feed},
                   {QStringLiteral("/feed.json"), generated(LoopbackServer::Endless, -1)}});
    Updater updater;
    updater.setNotifyOnUpdate(false);
    const auto check = [&](const QString& path) {
        updater.setUrl(server.base + path);
        bool finished = false;
        const QMetaObject::Connection connection =
            QObject::connect(&updater, &Updater::checkingFinished, [&finished] { finished = true; });
        updater.checkForUpdates();
        MemoryProbe::waitUntil([&] { return finished; }, 600 * 1000);
        QObject::disconnect(connection);
    };

    double peakAboveIdle = 0;
    bool refused = true;
    for (auto _ : state) {
        state.PauseTiming();
        check(QStringLiteral("/warm.json"));
        const auto peak = startPeak();
        state.ResumeTiming();
        check(QStringLiteral("/feed.json"));
        state.PauseTiming();
        peakAboveIdle = std::max(peakAboveIdle, double(peak->grownKiB()) / 1024.0);
        refused = refused && updater.errorString().contains(QLatin1String("1 MiB"));
        state.ResumeTiming();
    }
    state.counters["peak_above_idle_MB"] = peakAboveIdle;
    state.counters["refused"] = refused ? 1 : 0;
}
BENCHMARK(BM_EndlessFeed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
