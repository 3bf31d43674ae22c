#pragma once
// Every address on the shop platform (and the one on the Flash Player
// vendor's site) that the editor writes into generated code or offers as a
// default. When the platform moves a service or a sample picture, this file is
// the one edit. Every host is written with its scheme and without a trailing
// slash; the kinds append their fixed paths and queries to it.
//
// The generated code is pasted into shop pages that are served over https,
// so every service that answers over https is addressed so: an http address
// would be blocked or rewritten by the browser as mixed content.

#include <QString>

namespace vitrine::hosts {

// The platform's picture host: sample pictures, and the back pictures of the
// double-sided picture.
inline const QString kImageHost = QStringLiteral("https://img.alicdn.com");
// The platform's main web host: the Wangwang web chat (main-account split on)
// and the Wangwang group chat.
inline const QString kMainWebHost = QStringLiteral("https://www.taobao.com");
// The Wangwang services: the online-status icons and the chat link with the
// main-account split off.
inline const QString kWangwangHost = QStringLiteral("https://amos.alicdn.com");
// The QR-code picture service.
inline const QString kQrImageHost = QStringLiteral("https://gqrcode.alicdn.com");
// The QR-code transit service that a Tmall shop's code points to.
inline const QString kQrTransitHost = QStringLiteral("https://ma.taobao.com");
// The fixed short link handed to the transit service for a Tmall shop.
inline const QString kShopShortLink = QStringLiteral("https://m.tb.cn");
// The platform's video service, which serves the Flash movies.
inline const QString kVideoHost = QStringLiteral("https://cloud.video.taobao.com");
// The Flash Player vendor's site, where "/go/getflashplayer" offers the player.
inline const QString kFlashPlayerHost = QStringLiteral("https://www.adobe.com");

// The editor's sample pictures, all in one folder of the picture host.
inline const QString kSampleFolder = kImageHost + QStringLiteral("/imgextra/vitrine");

// Defaults of the picture fields, one per role.
inline const QString kDefaultPicture = kSampleFolder + QStringLiteral("/picture.jpg");
inline const QString kDefaultCarouselSlide = kSampleFolder + QStringLiteral("/carousel-slide.jpg");
inline const QString kDefaultCarouselLeftArrow = kSampleFolder + QStringLiteral("/carousel-left.png");
inline const QString kDefaultCarouselRightArrow = kSampleFolder + QStringLiteral("/carousel-right.png");
inline const QString kDefaultMagnifierPicture = kSampleFolder + QStringLiteral("/magnifier.jpg");
inline const QString kDefaultDoubleSidedFront = kSampleFolder + QStringLiteral("/double-sided-front.jpg");
inline const QString kDefaultCountdownBackground = kSampleFolder + QStringLiteral("/countdown.jpg");
inline const QString kDefaultServiceAvatar = kSampleFolder + QStringLiteral("/service-avatar.jpg");
inline const QString kDefaultGroupBadge = kSampleFolder + QStringLiteral("/wangwang-group.gif");
inline const QString kDefaultCartIcon = kSampleFolder + QStringLiteral("/cart.png");
inline const QString kDefaultShareIcon = kSampleFolder + QStringLiteral("/share.gif");
inline const QString kDefaultFavouritePicture = kSampleFolder + QStringLiteral("/favourite.gif");
inline const QString kDefaultFollowIcon = kSampleFolder + QStringLiteral("/follow.png");
inline const QString kDefaultVideo = kVideoHost + QStringLiteral("/play/u/1/p/1/e/1/t/1/1.swf");

// The back pictures of the double-sided picture's eleven back styles, in the
// order of its chooser. The first four are pictures of the platform's own
// decoration modules; the others are the editor's overlays (a PNG, then
// animated GIFs).
inline const QString kDoubleSidedBackPictures[11] = {
    kImageHost + QStringLiteral("/L1/142/400951816/modules/tshop-um-stylesort/assets/images/stylesort5.gif"),
    kImageHost + QStringLiteral("/L1/142/400334883/modules/tshop-um-950onef/assets/images/bj.gif"),
    kImageHost + QStringLiteral("/L1/142/400795040/modules/tshop-um-itemshow950/assets/images/zd.gif"),
    kImageHost + QStringLiteral("/L1/142/400980043/modules/tshop-um-itemcomend/assets/images/bg_mask.gif"),
    kSampleFolder + QStringLiteral("/back-dots-hot.png"),
    kSampleFolder + QStringLiteral("/back-butterflies.gif"),
    kSampleFolder + QStringLiteral("/back-drizzle.gif"),
    kSampleFolder + QStringLiteral("/back-sunlight-bubbles.gif"),
    kSampleFolder + QStringLiteral("/back-golden-sparkle.gif"),
    kSampleFolder + QStringLiteral("/back-drifting-blossoms.gif"),
    kSampleFolder + QStringLiteral("/back-flying-blossoms.gif"),
};

}  // namespace vitrine::hosts
