#pragma once

// An HTTP server on 127.0.0.1: answers from a route (the whole target, else the path) or 404,
// records every target, and can hold an answer back or stay open as a stalled service does.
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// head: the header lines, each ending in "\r\n"; null for the body's Content-Length alone.
struct TestHttpReply
{
    TestHttpReply(int status = 200, const QByteArray &body = {}, int delayMs = 0,
                  const QByteArray &head = {}, bool close = true)
        : status(status), delayMs(delayMs), body(body), head(head), close(close)
    {
    }
    int status, delayMs;
    QByteArray body, head;
    bool close; // false: the connection stays open after the body
};

class TestHttpServer
{
public:
    TestHttpServer()
    {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] { read(socket); });
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }
    int count(const QByteArray &path) const { return paths.count(path); }
    void clear() { targets.clear(), paths.clear(); }

    QHash<QByteArray, TestHttpReply> routes;
    QList<QByteArray> targets, paths;

private:
    void read(QTcpSocket *socket)
    {
        // Every answer ends its connection, so only the first request on one counts.
        const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
        socket->setProperty("head", head);
        if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        targets << head.left(head.indexOf('\r')).split(' ').value(1);
        paths << targets.last().split('?')[0];
        const TestHttpReply r =
            routes.value(targets.last(), routes.value(paths.last(), {404, "?"}));
        QTimer::singleShot(r.delayMs, socket, [r, socket] {
            const QByteArray length = "Content-Length: " + QByteArray::number(r.body.size());
            socket->write("HTTP/1.1 " + QByteArray::number(r.status) +
                          " X\r\nConnection: close\r\n" +
                          (r.head.isNull() ? length + "\r\n" : r.head) + "\r\n" + r.body);
            if (r.close)
                socket->disconnectFromHost();
        });
    }

    QTcpServer server;
};
