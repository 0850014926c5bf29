#pragma once

// An HTTP server on 127.0.0.1 for the network tests. It answers each request from a route
// (matched on the whole target, then on the path) or with 404, records every target, and can
// hold an answer back or leave its connection open to model a stalled service.
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// length is the Content-Length sent: "body" for the body's size, "" for none; close false
// leaves the connection open after the body; headers are more lines, each ending in "\r\n".
struct TestHttpReply
{
    TestHttpReply(int status = 200, const QByteArray &body = {}, int delayMs = 0,
                  const QByteArray &length = "body", bool close = true,
                  const QByteArray &headers = {})
        : status(status), delayMs(delayMs), body(body), length(length), headers(headers),
          close(close)
    {
    }
    int status, delayMs;
    QByteArray body, length, headers;
    bool close;
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
    int count(const QByteArray &path) const
    {
        return int(std::count_if(targets.begin(), targets.end(),
                                 [&](const QByteArray &t) { return t.split('?')[0] == path; }));
    }

    QHash<QByteArray, TestHttpReply> routes;
    QList<QByteArray> targets;

private:
    void read(QTcpSocket *socket)
    {
        // Every answer ends its connection, so only the first request on one counts.
        const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
        socket->setProperty("head", head);
        if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        const QByteArray target = head.left(head.indexOf('\r')).split(' ').value(1);
        targets << target;
        const TestHttpReply reply =
            routes.value(target, routes.value(target.split('?')[0], {404, "no such page"}));
        QTimer::singleShot(reply.delayMs, socket, [reply, socket] {
            QByteArray length =
                reply.length == "body" ? QByteArray::number(reply.body.size()) : reply.length;
            socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n" +
                          reply.headers + "Connection: close\r\n" +
                          (length.isEmpty() ? QByteArray() : "Content-Length: " + length + "\r\n") +
                          "\r\n" + reply.body);
            if (reply.close)
                socket->disconnectFromHost();
        });
    }

    QTcpServer server;
};
