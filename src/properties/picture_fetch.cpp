#include "properties/picture_fetch.h"

#include "properties/property_host.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {
// A fetch is a child object of its target with this name; destroying it
// aborts the request (httpGet's contract).
const QString kFetchName = u"vitrine-picture-fetch"_s;
}  // namespace

QImage decodeUntrustedPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kPictureAllocationLimitMiB);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kPictureMaxSide || size.height() > kPictureMaxSide)) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

QUrl fetchableAddress(const QString& address) {
    if (!address.contains(u"http"_s, Qt::CaseSensitive)) return {};
    const QUrl url(address.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http"_s && scheme != u"https"_s) || url.host().isEmpty()) return {};
    return url;
}

void cancelPictureFetch(QObject* target) {
    if (!target) return;
    for (QObject* running : target->findChildren<QObject*>(kFetchName, Qt::FindDirectChildrenOnly)) delete running;
}

void fetchPicture(QNetworkAccessManager& network, QObject* target, const QUrl& url,
                  std::function<void(const QImage&)> shown) {
    cancelPictureFetch(target);
    auto* running = new QObject(target);
    running->setObjectName(kFetchName);
    httpGet(network, url, kPictureFetchLimits, running,
            [running, shown = std::move(shown)](const FetchResult& result) {
                running->deleteLater();
                shown(result.ok ? decodeUntrustedPicture(result.body) : QImage());
            });
}

void fetchItemPicture(PropertyHost& host, QWidget* item, const QString& address) {
    if (!item) return;
    const QUrl url = fetchableAddress(address);
    if (url.isEmpty()) {
        // Nothing to fetch now: an answer for an earlier address must not replace what was just saved.
        cancelPictureFetch(item);
        return;
    }
    QPointer<QWidget> alive(item);
    QPointer<QWidget> hostWindow(host.hostWindow());
    fetchPicture(host.network(), item, url, [&host, alive, hostWindow](const QImage& picture) {
        if (picture.isNull() || !alive || !hostWindow) return;
        host.setItemPicture(alive, QPixmap::fromImage(picture));
    });
}

}  // namespace vitrine
