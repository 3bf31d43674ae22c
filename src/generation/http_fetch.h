#pragma once
// HTTP GET with a timeout and a size cap, never blocking the caller: the
// answer arrives later through the event loop.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace vitrine {

struct FetchLimits {
    int timeoutMs = 15000;
    qint64 maxBytes = 20 * 1024 * 1024;
};

struct FetchResult {
    bool ok = false;      // a 2xx answer whose whole body arrived within the limits
    QByteArray body;      // empty unless ok
    QString error;        // why it failed, for logs and tests
};

// Starts a GET of `url`. `done` runs once, on the thread of `context`, unless
// `context` is destroyed first: then the request is aborted and nothing runs,
// so an answer never touches an object that is gone.
void httpGet(QNetworkAccessManager& network, const QUrl& url, const FetchLimits& limits, QObject* context,
             std::function<void(const FetchResult&)> done);

}  // namespace vitrine
