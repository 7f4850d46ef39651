#pragma once
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for the update tests: every path gets
// one canned reply, answered from the test's own event loop.
class TestHttpServer {
  public:
    struct Reply {
        int status = 200;
        QByteArray body;
        // Accept the request and never answer.
        bool silent = false;
        // Content-Length to announce: -2 the body's size, -1 none at all.
        qint64 announced = -2;
        // A body of this many bytes instead, sent as fast as the client
        // takes it.
        qint64 floodBytes = 0;
        // Sent as the Location header, for redirects.
        QByteArray location = {};
    };

    static Reply redirect(const QByteArray& location) {
        Reply r;
        r.status = 302;
        r.body = QByteArray(200, '.');  // an HTML page above any body limit
        r.location = location;
        return r;
    }
    static Reply silence() {
        Reply r;
        r.silent = true;
        return r;
    }
    static Reply flooding(qint64 bytes, qint64 announced) {
        Reply r;
        r.floodBytes = bytes;
        r.announced = announced;
        return r;
    }

    TestHttpServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { acceptAll(); });
        server_.listen(QHostAddress::LocalHost);
    }

    bool listening() const { return server_.isListening(); }
    QUrl base() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    void on(const QString& path, Reply reply) { routes_.insert(path, std::move(reply)); }

    QStringList requested;
    qint64 floodSent = 0;

  private:
    void acceptAll() {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            auto* buffer = new QByteArray;
            QObject::connect(s, &QObject::destroyed, [buffer] { delete buffer; });
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
                if (buffer->contains("\r\n\r\n")) return;  // already answered
                *buffer += s->readAll();
                if (buffer->contains("\r\n\r\n")) answer(s, *buffer);
            });
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    }

    static QByteArray reason(int status) {
        switch (status) {
            case 200:
                return "OK";
            case 404:
                return "Not Found";
            case 500:
                return "Internal Server Error";
            default:
                return "Status";
        }
    }

    void answer(QTcpSocket* s, const QByteArray& request) {
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        requested.append(path);
        const Reply r = routes_.value(path, Reply{404, "not here"});
        if (r.silent) return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " " + reason(r.status) +
                          "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
        const qint64 size = r.floodBytes ? r.floodBytes : r.body.size();
        const qint64 announced = r.announced == -2 ? size : r.announced;
        if (!r.location.isEmpty()) head += "Location: " + r.location + "\r\n";
        if (announced >= 0) head += "Content-Length: " + QByteArray::number(announced) + "\r\n";
        s->write(head + "\r\n");
        if (r.floodBytes) return flood(s, r.floodBytes);
        s->write(r.body);
        s->disconnectFromHost();  // after the pending bytes are out
    }

    void flood(QTcpSocket* s, qint64 total) {
        auto fill = [this, s, total] {
            static const QByteArray chunk(64 * 1024, 'x');
            while (s->state() == QAbstractSocket::ConnectedState && floodSent < total &&
                   s->bytesToWrite() < 4 * chunk.size()) {
                s->write(chunk);
                floodSent += chunk.size();
            }
            if (floodSent >= total) s->disconnectFromHost();
        };
        QObject::connect(s, &QTcpSocket::bytesWritten, s, fill);
        fill();
    }

    QTcpServer server_;
    QHash<QString, Reply> routes_;
};
