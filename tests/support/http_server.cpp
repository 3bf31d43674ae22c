#include "support/http_server.h"

#include <QMetaObject>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>

namespace testsupport {

class HttpServerWorker : public QObject {
public:
    explicit HttpServerWorker(HttpServer* owner) : owner_(owner) {}

    quint16 listen() {
        server_ = new QTcpServer(this);
        server_->listen(QHostAddress::LocalHost, 0);
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_->nextPendingConnection()) serve(s);
        });
        return server_->serverPort();
    }
    void close() {
        if (server_) server_->close();
    }

private:
    void serve(QTcpSocket* socket) {
        auto* buffer = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
            delete buffer;
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0) return;
            const QList<QByteArray> first = buffer->left(buffer->indexOf("\r\n")).split(' ');
            buffer->clear();
            const QString path = first.size() > 1 ? QString::fromLatin1(first[1]) : QStringLiteral("/");
            const HttpServer::Answer a = owner_->answer(path);
            if (a.silent) return;
            socket->write(a.bytes);
            socket->disconnectFromHost();
        });
    }

    HttpServer* owner_;
    QTcpServer* server_ = nullptr;
};

HttpServer::HttpServer() {
    auto* worker = new HttpServerWorker(this);
    worker->moveToThread(&thread_);
    worker_ = worker;
    thread_.start();
    QSemaphore ready;
    QMetaObject::invokeMethod(worker, [this, worker, &ready] {
        port_ = worker->listen();
        ready.release();
    });
    ready.acquire();
}

HttpServer::~HttpServer() {
    QMetaObject::invokeMethod(worker_, [this] { delete worker_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void HttpServer::stop() {
    auto* worker = static_cast<HttpServerWorker*>(worker_);
    QMetaObject::invokeMethod(worker, [worker] { worker->close(); }, Qt::BlockingQueuedConnection);
}

void HttpServer::route(const QString& path, Route r) {
    QMutexLocker lock(&mutex_);
    routes_[path] = std::move(r);
}

QUrl HttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_.load()).arg(path));
}

int HttpServer::hits(const QString& path) const {
    QMutexLocker lock(&mutex_);
    return hits_.value(path);
}

HttpServer::Answer HttpServer::answer(const QString& path) {
    QMutexLocker lock(&mutex_);
    const int hit = hits_[path]++;
    Answer a;
    auto it = routes_.constFind(path);
    int status = 404;
    QByteArray body = "not found";
    QByteArray type = "text/plain";
    if (it != routes_.constEnd()) {
        if (it->neverAnswer) {
            a.silent = true;
            return a;
        }
        status = it->status;
        type = it->contentType;
        body = it->bodies.isEmpty() ? it->body : it->bodies.value(std::min<int>(hit, it->bodies.size() - 1));
    }
    a.bytes = "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: " + type +
              "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return a;
}

}  // namespace testsupport
