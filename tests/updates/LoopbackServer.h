#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (an ephemeral port) inside the test
// process, plain or TLS. Each path answers as set; every answer closes its
// connection. It lives as long as the test object that owns it.
//
// Long bodies are generated, not stored: pattern() bytes written as the
// client takes them, so the server holds only a little ahead of the socket.
class LoopbackServer : public QObject
{
    Q_OBJECT

public:
    enum Framing {
        Sized,        // Content-Length and the whole body
        Chunked,      // chunked transfer coding, no length
        CloseMidBody, // Content-Length, half the body, then the connection closes
        Hold,         // Content-Length, half the body, the rest on release()
        Trickle,      // Content-Length, then one byte of the body every trickleInterval
        Endless,      // chunked transfer coding, pattern() bytes until the client leaves
        Silent,       // reads the request and never answers
    };

    struct Response
    {
        int status = 200;
        QByteArray body;
        Framing framing = Sized;
        QList<QPair<QByteArray, QByteArray>> headers;
        // With Sized or Chunked framing and a length of 0 or more, the body
        // is that many pattern() bytes instead of `body`.
        qint64 patternLength = -1;
        int trickleIntervalMs = 250;
    };

    // The generated body: byte i of every long answer is pattern byte i, a
    // fixed pseudo-random sequence with a prime period, so that a lost,
    // doubled or shifted block of any power-of-two size shows.
    static void pattern(qint64 offset, char* out, qint64 size);
    // Whether the file holds exactly `length` pattern() bytes; read a block
    // at a time, so a long file costs no memory.
    static bool holdsPattern(const QString& path, qint64 length);

    explicit LoopbackServer(QObject* parent = nullptr);
    ~LoopbackServer() override;

    // A TLS server configuration with a new self-signed certificate for
    // 127.0.0.1, made by openssl in `dir`; null on failure (the reason goes
    // to `error`).
    static QSslConfiguration selfSigned(const QString& dir, const QString& name, QString* error);
    // Adds `certificate` to the CA list of the default SSL configuration,
    // which every later request starts from.
    static void trust(const QSslCertificate& certificate);

    // Listens on 127.0.0.1; with a configuration (certificate and key) the
    // server speaks TLS only.
    bool listen(const QSslConfiguration& tls = QSslConfiguration());

    // "http://127.0.0.1:<port>" + path, or https for a TLS server.
    QString url(const QString& path) const;

    void serve(const QString& path, const Response& response);
    void serve(const QString& path, const QByteArray& body, int status = 200);
    // `path` answers 302 with a Location of `target` (absolute).
    void redirect(const QString& path, const QString& target);

    // Sends the rest of every held answer and closes those connections.
    void release();

    // Paths asked for, in order, and the User-Agent of the last request.
    QStringList requestedPaths() const { return m_paths; }
    QByteArray lastUserAgent() const { return m_userAgent; }

private:
    // A body written as the socket drains: `sent` of `length` bytes (below
    // 0: endless).
    struct Stream
    {
        qint64 sent = 0;
        qint64 length = -1;
        bool chunked = false;
    };

    void accept();
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);
    void stream(QTcpSocket* socket, qint64 length, bool chunked);
    void refill(QTcpSocket* socket);
    void trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs);

    QTcpServer* m_server = nullptr;
    bool m_tls = false;
    QHash<QString, Response> m_responses;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QPair<QPointer<QTcpSocket>, QByteArray>> m_held;
    QHash<QTcpSocket*, Stream> m_streams;
    QStringList m_paths;
    QByteArray m_userAgent;
};
