#pragma once
// The outer templates at start-up: the built-in ones at once, replaced one
// by one by the template server's copies where a server is configured and
// answers with a non-empty file.

#include "generation/http_fetch.h"
#include "generation/template_set.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

namespace vitrine {

// The environment variable that names the template server's base address.
inline constexpr const char* kTemplateServerVariable = "VITRINE_TEMPLATE_SERVER";

class TemplateSource : public QObject {
    Q_OBJECT
public:
    explicit TemplateSource(QObject* parent = nullptr);

    // The address from the environment, empty when none is configured.
    static QUrl configuredServer();

    // Fetches "tyb.txt", "jcb.txt", "tmb.txt" and "jsb.txt" from `base`, one
    // after another, and once more "tmb.txt" and "jsb.txt" when the first
    // "tmb.txt" brought nothing. Does nothing for an empty address.
    void start(const QUrl& base, FetchLimits limits = {10000, 1024 * 1024});

    const TemplateSet& templates() const { return templates_; }
    bool running() const { return step_ >= 0; }

signals:
    void finished();

private:
    void next();

    QNetworkAccessManager network_;
    TemplateSet templates_;
    QUrl base_;
    FetchLimits limits_;
    int step_ = -1;
    bool tmallArrived_ = false;
};

}  // namespace vitrine
