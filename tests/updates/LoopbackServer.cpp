#include "LoopbackServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRandomGenerator>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

// A streamed body is topped up to this much waiting in the socket.
constexpr qint64 streamAhead = 256 * 1024;
constexpr qint64 streamChunk = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

QSslConfiguration LoopbackServer::selfSigned(const QString& dir, const QString& name, QString* error)
{
    const QString key = QDir(dir).filePath(name + QStringLiteral(".key"));
    const QString certificate = QDir(dir).filePath(name + QStringLiteral(".crt"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), certificate});
    if (!openssl.waitForFinished(120000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        *error = QStringLiteral("openssl failed: ") + openssl.errorString() + QLatin1Char(' ')
                 + QString::fromLocal8Bit(openssl.readAllStandardError());
        return QSslConfiguration();
    }
    QFile keyFile(key);
    QFile certificateFile(certificate);
    if (!keyFile.open(QIODevice::ReadOnly) || !certificateFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read what openssl wrote");
        return QSslConfiguration();
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificateFile.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    if (configuration.localCertificate().isNull() || configuration.privateKey().isNull()) {
        *error = QStringLiteral("openssl wrote no usable certificate and key");
        return QSslConfiguration();
    }
    return configuration;
}

void LoopbackServer::pattern(qint64 offset, char* out, qint64 size)
{
    // The largest prime below 2^16.
    constexpr qint64 period = 65521;
    static const QByteArray cycle = [] {
        QByteArray bytes(period, Qt::Uninitialized);
        QRandomGenerator generator(20240607);
        for (char& byte : bytes)
            byte = char(generator.bounded(256));
        return bytes;
    }();
    qint64 at = offset % period;
    while (size > 0) {
        const qint64 n = qMin(size, period - at);
        std::memcpy(out, cycle.constData() + at, size_t(n));
        out += n;
        size -= n;
        at = 0;
    }
}

bool LoopbackServer::holdsPattern(const QString& path, qint64 length)
{
    constexpr qint64 block = 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != length)
        return false;
    QByteArray expected(block, Qt::Uninitialized);
    QByteArray actual(block, Qt::Uninitialized);
    for (qint64 at = 0; at < length; at += block) {
        const qint64 n = qMin(block, length - at);
        pattern(at, expected.data(), n);
        if (file.read(actual.data(), n) != n || std::memcmp(actual.constData(), expected.constData(), size_t(n)) != 0)
            return false;
    }
    return true;
}

void LoopbackServer::trust(const QSslCertificate& certificate)
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

LoopbackServer::LoopbackServer(QObject* parent)
    : QObject(parent)
{
}

LoopbackServer::~LoopbackServer()
{
    if (m_server)
        m_server->close();
}

bool LoopbackServer::listen(const QSslConfiguration& tls)
{
    m_tls = !tls.localCertificate().isNull();
    if (m_tls) {
        auto* server = new QSslServer(this);
        server->setSslConfiguration(tls);
        // A client that refuses our certificate ends the handshake; nothing
        // to do about it here.
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &LoopbackServer::accept);
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QString LoopbackServer::url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort())
        .arg(path);
}

void LoopbackServer::serve(const QString& path, const Response& response)
{
    m_responses.insert(path, response);
}

void LoopbackServer::serve(const QString& path, const QByteArray& body, int status)
{
    Response response;
    response.status = status;
    response.body = body;
    serve(path, response);
}

void LoopbackServer::redirect(const QString& path, const QString& target)
{
    Response response;
    response.status = 302;
    response.headers.append({"Location", target.toUtf8()});
    serve(path, response);
}

void LoopbackServer::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        m_pending.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] {
            m_pending.remove(socket);
            m_streams.remove(socket);
        });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void LoopbackServer::readRequest(QTcpSocket* socket)
{
    auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    it->append(socket->readAll());
    const qsizetype end = it->indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QByteArray head = it->left(end);
    m_pending.erase(it);

    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            m_userAgent = line.mid(int(sizeof("user-agent:")) - 1).trimmed();
    }
    m_paths.append(path);
    answer(socket, path);
}

void LoopbackServer::answer(QTcpSocket* socket, const QString& path)
{
    Response response;
    if (m_responses.contains(path))
        response = m_responses.value(path);
    else
        response.status = 404;
    if (response.framing == Silent)
        return;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
                      + "\r\nConnection: close\r\n";
    for (const auto& header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    const QByteArray& body = response.body;

    if (response.framing == Endless || (response.framing == Chunked && response.patternLength >= 0)) {
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        stream(socket, response.framing == Endless ? -1 : response.patternLength, true);
        return;
    }
    if (response.framing == Chunked) {
        head += "Transfer-Encoding: chunked\r\n\r\n";
        socket->write(head);
        for (qsizetype at = 0; at < body.size(); at += 4000) {
            const QByteArray chunk = body.mid(at, 4000);
            socket->write(QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n");
        }
        socket->write("0\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }

    const qint64 length = response.patternLength >= 0 ? response.patternLength : body.size();
    head += "Content-Length: " + QByteArray::number(length) + "\r\n\r\n";
    socket->write(head);
    switch (response.framing) {
    case Sized:
        if (response.patternLength >= 0) {
            stream(socket, length, false);
            break;
        }
        socket->write(body);
        socket->disconnectFromHost();
        break;
    case CloseMidBody:
        socket->write(body.left(body.size() / 2));
        socket->disconnectFromHost();
        break;
    case Hold:
        socket->write(body.left(body.size() / 2));
        m_held.append({socket, body.mid(body.size() / 2)});
        break;
    case Trickle:
        trickle(socket, body, response.trickleIntervalMs);
        break;
    case Chunked:
    case Endless:
    case Silent:
        break;
    }
}

void LoopbackServer::stream(QTcpSocket* socket, qint64 length, bool chunked)
{
    m_streams.insert(socket, Stream{0, length, chunked});
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { refill(socket); });
    if (auto* tls = qobject_cast<QSslSocket*>(socket))
        connect(tls, &QSslSocket::encryptedBytesWritten, this, [this, socket] { refill(socket); });
    refill(socket);
}

void LoopbackServer::refill(QTcpSocket* socket)
{
    const auto it = m_streams.find(socket);
    if (it == m_streams.end() || socket->state() != QAbstractSocket::ConnectedState)
        return;
    // A TLS socket counts what waits before and after encryption apart.
    auto* tls = qobject_cast<QSslSocket*>(socket);
    const auto waiting = [socket, tls] { return socket->bytesToWrite() + (tls ? tls->encryptedBytesToWrite() : 0); };
    QByteArray block;
    while (waiting() < streamAhead) {
        const qint64 n = it->length < 0 ? streamChunk : qMin(streamChunk, it->length - it->sent);
        if (n <= 0) {
            // All sent: the close waits for the socket to drain.
            if (it->chunked)
                socket->write("0\r\n\r\n");
            m_streams.erase(it);
            socket->disconnectFromHost();
            return;
        }
        block.resize(n);
        pattern(it->sent, block.data(), n);
        if (it->chunked)
            socket->write(QByteArray::number(n, 16) + "\r\n" + block + "\r\n");
        else
            socket->write(block);
        it->sent += n;
    }
}

void LoopbackServer::trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs)
{
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid((*sent)++, 1));
    });
    timer->start(intervalMs);
}

void LoopbackServer::release()
{
    const auto held = m_held;
    m_held.clear();
    for (const auto& entry : held) {
        if (!entry.first)
            continue;
        entry.first->write(entry.second);
        entry.first->disconnectFromHost();
    }
}
