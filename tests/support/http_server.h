#pragma once
// A real HTTP server on 127.0.0.1 for tests, on a thread of its own.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <memory>

class QTcpServer;

namespace testsupport {

class HttpServer {
public:
    struct Route {
        int status = 200;
        QByteArray body;
        QList<QByteArray> bodies;   // when set: one body per request, the last repeated
        bool neverAnswer = false;   // accept and read the request, then stay silent
        QByteArray contentType = "text/plain";
    };

    HttpServer();
    ~HttpServer();

    void route(const QString& path, Route r);
    QUrl url(const QString& path = QStringLiteral("/")) const;
    int hits(const QString& path) const;
    // Stops listening; later connections are refused.
    void stop();

private:
    friend class HttpServerWorker;
    struct Answer {
        bool silent = false;
        QByteArray bytes;
    };
    Answer answer(const QString& path);

    mutable QMutex mutex_;
    QMap<QString, Route> routes_;
    QMap<QString, int> hits_;
    QThread thread_;
    QObject* worker_ = nullptr;
    std::atomic<quint16> port_{0};
};

}  // namespace testsupport
