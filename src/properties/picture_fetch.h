#pragma once
// Pictures fetched from the addresses the user types: in the background, so
// no window ever waits for the network, within the fetch limits, and decoded
// as untrusted data.

#include "generation/http_fetch.h"

#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QObject;
class QWidget;

namespace vitrine {

class PropertyHost;

// The most memory one picture may take while it is decoded, and the longest
// side it may have.
inline constexpr int kPictureAllocationLimitMiB = 64;
inline constexpr int kPictureMaxSide = 16384;
inline const FetchLimits kPictureFetchLimits{15000, 20 * 1024 * 1024};

// The picture in an answer, or a null image when the bytes are no picture or
// one too large to show.
QImage decodeUntrustedPicture(const QByteArray& bytes);

// The web address to fetch for `address`, or an empty URL when nothing is to
// be fetched: the text must contain "http" (case-sensitive) and be an http or
// https address, so that no local file is read because its name holds "http".
QUrl fetchableAddress(const QString& address);

// Starts fetching the picture at `url` for `target`, cancelling any fetch
// started for `target` before. `shown` runs later with the picture, or with a
// null image when the fetch failed or the answer is no picture; it never runs
// when `target` is destroyed first.
void fetchPicture(QNetworkAccessManager& network, QObject* target, const QUrl& url,
                  std::function<void(const QImage&)> shown);
// Cancels the fetch running for `target`, if any.
void cancelPictureFetch(QObject* target);

// After a save: shows the picture at `address` in `item` when it arrives. A
// failed or non-image answer leaves the item's picture as it is; an answer
// for an item removed meanwhile is dropped. An address with nothing to fetch
// cancels the fetch of an earlier save, whose picture would no longer match.
void fetchItemPicture(PropertyHost& host, QWidget* item, const QString& address);

}  // namespace vitrine
