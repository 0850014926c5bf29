#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for tests of the program's network code. Each request
// is answered by a route (matched on the path, or on the whole target for proxy requests) or
// with 404; every request is recorded. Replies can be held back to model a slow service.
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

struct TestHttpReply
{
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    int delayMs = 0;            // wait this long before answering
    bool announceLength = true; // false: no Content-Length, the end is the connection's end
};

struct TestHttpRequest
{
    QByteArray method;
    QByteArray target; // as on the request line: a path, or an absolute URL through a proxy
    QByteArray path;   // the path of the target, without query
    QByteArray query;  // without '?'
    QHash<QByteArray, QByteArray> headers; // lower-case names
    qint64 receivedAtMs = 0;               // since the server started
};

class TestHttpServer
{
public:
    TestHttpServer()
    {
        clock.start();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] { accept(); });
    }

    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server.serverPort(); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    QString baseWithoutScheme() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

    void route(const QByteArray &pathOrTarget, const TestHttpReply &reply)
    {
        routes.insert(pathOrTarget, reply);
    }
    void clearRoutes() { routes.clear(); }

    const QList<TestHttpRequest> &requests() const { return received; }
    void clearRequests() { received.clear(); }
    int count(const QByteArray &path) const
    {
        int n = 0;
        for (const TestHttpRequest &r : received)
            n += r.path == path ? 1 : 0;
        return n;
    }
    qint64 elapsedMs() const { return clock.elapsed(); }

private:
    void accept()
    {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                // Keep-alive clients may send several requests on one connection.
                int end = -1;
                // Every answer closes its connection, so only the first request of one
                // counts: a client that already sent another on it sends that one again.
                if (!buffer->isEmpty() && (end = buffer->indexOf("\r\n\r\n")) >= 0 &&
                    !socket->property("answered").toBool()) {
                    socket->setProperty("answered", true);
                    handle(socket, buffer->left(end));
                }
            });
        }
    }

    void handle(QTcpSocket *socket, const QByteArray &head)
    {
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        TestHttpRequest request;
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        const QUrl url = QUrl::fromEncoded(request.target);
        request.path = url.isRelative() ? request.target.split('?').value(0)
                                        : url.path(QUrl::FullyEncoded).toLatin1();
        request.query = request.target.contains('?')
                            ? request.target.mid(request.target.indexOf('?') + 1)
                            : QByteArray();
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon > 0)
                request.headers.insert(line.left(colon).trimmed().toLower(),
                                       line.mid(colon + 1).trimmed());
        }
        request.receivedAtMs = clock.elapsed();
        received.append(request);

        TestHttpReply reply;
        if (routes.contains(request.target))
            reply = routes.value(request.target);
        else if (routes.contains(request.path))
            reply = routes.value(request.path);
        else
            reply = TestHttpReply{404, "no such page", {}, 0, true};

        QPointer<QTcpSocket> guarded(socket);
        auto send = [guarded, reply] {
            if (!guarded)
                return;
            QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " Test\r\n";
            for (const auto &h : reply.headers)
                out += h.first + ": " + h.second + "\r\n";
            if (reply.announceLength)
                out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
            out += "Connection: close\r\n\r\n";
            out += reply.body;
            guarded->write(out);
            guarded->disconnectFromHost();
        };
        if (reply.delayMs > 0)
            QTimer::singleShot(reply.delayMs, socket, send);
        else
            send();
    }

    QTcpServer server;
    QHash<QByteArray, TestHttpReply> routes;
    QList<TestHttpRequest> received;
    QElapsedTimer clock;
};
