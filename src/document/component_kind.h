#pragma once
// The kind texts held in column 0 of a component row, compared byte for byte.

#include <QString>
#include <QStringList>

namespace vitrine::kind {

inline const QString Picture = QStringLiteral("图片");
inline const QString Carousel = QStringLiteral("轮播");
inline const QString LeftArrow = QStringLiteral("左箭头");
inline const QString RightArrow = QStringLiteral("右箭头");
inline const QString Magnifier = QStringLiteral("放大镜");
inline const QString DoubleSided = QStringLiteral("双面图");
inline const QString Countdown = QStringLiteral("倒计时");
inline const QString Search = QStringLiteral("搜索");
inline const QString CustomerService = QStringLiteral("客服");
inline const QString WangwangGroup = QStringLiteral("旺旺群");
inline const QString Cart = QStringLiteral("购物车");
inline const QString QrCode = QStringLiteral("二维码");
inline const QString Video = QStringLiteral("视频");
inline const QString Share = QStringLiteral("分享");
inline const QString Favourite = QStringLiteral("收藏");
inline const QString Like = QStringLiteral("喜欢");
inline const QString Follow = QStringLiteral("关注");

// The text component lives in the background layer under this word.
inline const QString Text = QStringLiteral("文字");

// Every kind a component row can hold.
inline const QStringList All = {Picture,  Carousel,        LeftArrow,     RightArrow, Magnifier, DoubleSided,
                                Countdown, Search,         CustomerService, WangwangGroup, Cart, QrCode,
                                Video,     Share,          Favourite,     Like,       Follow};

inline bool isComponentKind(const QString& text) { return All.contains(text); }

}  // namespace vitrine::kind
