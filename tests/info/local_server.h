#pragma once
// A web server on 127.0.0.1 for the tests: it answers every request with one body, after a
// delay if asked, and the maker's addresses are sent to it while it lives.
#include "platform/http_fetch.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

struct LocalServer : QObject {
    QTcpServer server;
    QByteArray body;
    QByteArray type = "text/plain";
    int delayMs = 0;
    QStringList paths;  // the paths asked for, in order

    explicit LocalServer(const QByteArray &reply = "66") : body(reply)
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
        sendMakerHere(server.serverPort());
    }
    ~LocalServer() override { platform::setFetchAddressRewrite({}); }

    // A port on which nothing listens: the connection is refused.
    static quint16 refusingPort()
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        return closed.serverPort();
    }
    static void sendMakerHere(quint16 port)
    {
        platform::setFetchAddressRewrite([port](QUrl url) {
            url.setHost(QStringLiteral("127.0.0.1")), url.setPort(port);
            return url;
        });
    }
    QUrl url(const QString &path) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path)); }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        paths << QString::fromLatin1(request.split(' ').value(1));
        const QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " +
                                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        QTimer::singleShot(delayMs, this, [alive = QPointer<QTcpSocket>(socket), reply] {
            if (alive)
                alive->write(reply), alive->disconnectFromHost();
        });
    }
    QHash<QTcpSocket *, QByteArray> pending_;
};
