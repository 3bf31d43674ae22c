#include "generation/template_source.h"

#include "support/http_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::HttpServer;

namespace {

QByteArray gbk(const QString& s) {
    QStringEncoder e("GBK");
    return e.encode(s);
}

// Runs the fetches to the end, with an upper bound so a fault cannot hang the suite.
void runToEnd(TemplateSource& source, const QUrl& base, FetchLimits limits = {2000, 1024 * 1024}) {
    bool done = false;
    QObject::connect(&source, &TemplateSource::finished, [&] { done = true; });
    source.start(base, limits);
    QElapsedTimer t;
    t.start();
    while (!done && t.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(done);
}

TEST(TemplateSource, AllFourServed) {
    HttpServer server;
    server.route(u"/t/tyb.txt"_s, {.body = gbk(u"通用 宽度"_s)});
    server.route(u"/t/jcb.txt"_s, {.body = gbk(u"全屏"_s)});
    server.route(u"/t/tmb.txt"_s, {.body = gbk(u"天猫 735206914"_s)});
    server.route(u"/t/jsb.txt"_s, {.body = gbk(u"集市 735206914"_s)});
    TemplateSource source;
    runToEnd(source, server.url(u"/t/"_s));
    EXPECT_EQ(source.templates().common, u"通用 宽度"_s);
    EXPECT_EQ(source.templates().fullScreen, u"全屏"_s);
    EXPECT_EQ(source.templates().previewTmall, u"天猫 735206914"_s);
    EXPECT_EQ(source.templates().previewMarket, u"集市 735206914"_s);
    EXPECT_EQ(server.hits(u"/t/tmb.txt"_s), 1);  // no retry when the Tmall page came
}

TEST(TemplateSource, ServerDownKeepsTheBuiltinTemplates) {
    QUrl base;
    {
        HttpServer server;
        base = server.url(u"/"_s);
    }  // gone: the port refuses connections
    TemplateSource source;
    runToEnd(source, base);
    const TemplateSet builtin = builtinTemplates();
    EXPECT_EQ(source.templates().common, builtin.common);
    EXPECT_EQ(source.templates().previewMarket, builtin.previewMarket);
}

TEST(TemplateSource, TmallPageEmptyAtFirstIsFetchedAgain) {
    HttpServer server;
    server.route(u"/tmb.txt"_s, {.bodies = {QByteArray(), "second tmall"}});
    server.route(u"/jsb.txt"_s, {.bodies = {"first market", "second market"}});
    TemplateSource source;
    runToEnd(source, server.url(u"/"_s));
    EXPECT_EQ(server.hits(u"/tmb.txt"_s), 2);
    EXPECT_EQ(server.hits(u"/jsb.txt"_s), 2);
    EXPECT_EQ(source.templates().previewTmall, u"second tmall"_s);
    EXPECT_EQ(source.templates().previewMarket, u"second market"_s);
    EXPECT_EQ(source.templates().common, builtinTemplates().common);  // "tyb.txt" was not served
}

TEST(TemplateSource, SilentServerAndOversizedBodyAreGivenUp) {
    HttpServer server;
    server.route(u"/tyb.txt"_s, {.neverAnswer = true});
    server.route(u"/jcb.txt"_s, {.body = QByteArray(4096, 'x')});
    server.route(u"/tmb.txt"_s, {.status = 500, .body = "error page"});
    server.route(u"/jsb.txt"_s, {.body = "ok"});
    TemplateSource source;
    QElapsedTimer t;
    t.start();
    runToEnd(source, server.url(u"/"_s), {300, 1024});
    const TemplateSet builtin = builtinTemplates();
    EXPECT_EQ(source.templates().common, builtin.common);
    EXPECT_EQ(source.templates().fullScreen, builtin.fullScreen);
    EXPECT_EQ(source.templates().previewTmall, builtin.previewTmall);
    EXPECT_EQ(source.templates().previewMarket, u"ok"_s);
}

TEST(TemplateSource, ServerFromTheEnvironment) {
    qputenv(kTemplateServerVariable, "http://127.0.0.1:9/templates");
    EXPECT_EQ(TemplateSource::configuredServer(), QUrl(u"http://127.0.0.1:9/templates/"_s));
    qunsetenv(kTemplateServerVariable);
    EXPECT_TRUE(TemplateSource::configuredServer().isEmpty());
}

}  // namespace
