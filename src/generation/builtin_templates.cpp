// The outer templates Vitrine carries. A template server, when one is
// configured, may replace them at start-up.
//
// What the shop page does with pasted code, and what these templates are
// written for: the module filter keeps inline styles but strips <style>,
// <script> and <link> elements, id attributes and the inline position and
// float properties. Elements are therefore positioned by the platform's
// classes: "footer-more-trigger" (and Tmall's "sn-simple-logo") carries
// position:absolute, together with padding, a width, left and top of its
// own, which every generated element resets inline.
//
// The module is three elements: an in-flow frame of the module's width and
// total height, shifted by the offset that centres a module wider than the
// 950-pixel canvas; inside it a positioned box of the same size that draws
// the background below the top spacing; and inside that the positioned
// 950-pixel canvas that the components are placed in.

#include "generation/template_set.h"

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

const QString kCommon =
    u"<div style=\"width:宽度px;height:总高px;margin:0 0 0 偏移px;padding:0;border:0;overflow:visible;\">"
    u"<div class=\"Nirova版本\" style=\"z-index:0;top:auto;left:auto;width:宽度px;height:高度px;margin:0;"
    u"padding:距顶px 0 0 0;border:0;overflow:visible;background-color:#背景色;background-image:url(背景图);"
    u"background-attachment:固定;background-repeat:平铺;background-position:左右 上下;"
    u"background-origin:content-box;background-clip:content-box;\">"
    u"<div class=\"Nirova版本\" style=\"z-index:1;top:auto;left:0;right:0;width:950px;height:高度px;"
    u"margin:0 auto;padding:0;border:0;overflow:visible;background:none;\">"_s;

// The basic edition's module sits in a narrower column: the wrapper reserves
// the total height in the flow and moves the code out to the page's edge.
const QString kFullScreen =
    u"<div style=\"width:950px;height:总高px;margin:0;padding:0;border:0;overflow:visible;\">"
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:1;top:间距px;left:偏移量px;width:950px;"
    u"height:高度px;margin:0;padding:0;border:0;overflow:visible;background:none;\">"
    u"Nirova软件735206914"
    u"</div></div>"_s;

// A preview page: the shop page's column, the platform's rules the code
// relies on, and the inline position and float removed as the shop does.
QString previewPage(int columnWidth, const QString& title) {
    return u"<!DOCTYPE html>\r\n"
           u"<html>\r\n"
           u"<head>\r\n"
           u"<meta charset=\"gbk\">\r\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\r\n"
           u"<title>"_s + title + u"</title>\r\n"
           u"<style>\r\n"
           u"html,body{margin:0;padding:0;overflow-x:hidden;background:#f2f2f2;font:12px/1.5 tahoma,arial,\"Microsoft YaHei\",sans-serif;}\r\n"
           u".page{width:"_s + QString::number(columnWidth) + u"px;margin:0 auto;background:#fff;}\r\n"
           u".shop-head{height:120px;background:#e8e8e8;color:#999;text-align:center;line-height:120px;}\r\n"
           u".module{position:relative;margin:10px 0;}\r\n"
           u".footer-more-trigger,.sn-simple-logo{position:absolute;display:block;padding:4px;width:auto;left:10px;top:10px;}\r\n"
           u".footer-more-panel{display:none;position:absolute;}\r\n"
           u".footer-more:hover .footer-more-panel{display:block;}\r\n"
           u"</style>\r\n"
           u"</head>\r\n"
           u"<body>\r\n"
           u"<div class=\"page\">\r\n"
           u"<div class=\"shop-head\">店铺页头</div>\r\n"
           u"<div class=\"module\" id=\"module\">\r\n"
           u"735206914\r\n"
           u"</div>\r\n"
           u"</div>\r\n"
           u"<script>\r\n"
           u"(function(){var m=document.getElementById('module');if(!m)return;"
           u"var all=m.querySelectorAll('[style]');for(var i=0;i<all.length;i++){"
           u"all[i].style.removeProperty('position');all[i].style.removeProperty('float');}})();\r\n"
           u"</script>\r\n"
           u"</body>\r\n"
           u"</html>\r\n"_s;
}

}  // namespace

TemplateSet builtinTemplates() {
    return TemplateSet{kCommon, kFullScreen, previewPage(990, u"天猫店铺预览"_s), previewPage(950, u"店铺预览"_s)};
}

}  // namespace vitrine
