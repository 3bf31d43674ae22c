#include "generation/http_fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace vitrine {

void httpGet(QNetworkAccessManager& network, const QUrl& url, const FetchLimits& limits, QObject* context,
             std::function<void(const FetchResult&)> done) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    // The transfer timeout restarts with every byte; the timer below bounds the whole answer.
    request.setTransferTimeout(limits.timeoutMs);
    QNetworkReply* reply = network.get(request);

    struct State {
        QByteArray body;
        QString error;
        bool finished = false;
    };
    auto state = std::make_shared<State>();

    auto fail = [reply, state](const QString& why) {
        if (state->error.isEmpty()) state->error = why;
        reply->abort();
    };

    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [fail] { fail(QStringLiteral("timed out")); });
    deadline->start(limits.timeoutMs);

    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, limits, fail] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits.maxBytes) fail(QStringLiteral("too large"));
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, state, limits, fail] {
        if (!state->error.isEmpty()) return;
        state->body += reply->readAll();
        if (state->body.size() > limits.maxBytes) fail(QStringLiteral("too large"));
    });

    QPointer<QObject> guard(context);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, state, guard, done = std::move(done)] {
        reply->deleteLater();
        if (!guard) return;
        FetchResult result;
        if (state->error.isEmpty()) {
            state->body += reply->readAll();
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (reply->error() != QNetworkReply::NoError)
                state->error = reply->errorString();
            else if (status < 200 || status > 299)
                state->error = QStringLiteral("HTTP status %1").arg(status);
        }
        result.ok = state->error.isEmpty();
        result.error = state->error;
        if (result.ok) result.body = std::move(state->body);
        done(result);
    });
    // The caller went away: stop the transfer, nobody waits for it.
    QObject::connect(context, &QObject::destroyed, reply, [reply] {
        reply->abort();
        reply->deleteLater();
    });
}

}  // namespace vitrine
