// Pictures fetched after saving, against a real HTTP server on 127.0.0.1:
// shown when they are pictures, ignored otherwise, dropped when their item
// is gone, and never holding up the window.

#include "properties/picture_fetch.h"
#include "properties/property_windows.h"
#include "properties/test_host.h"
#include "properties/window_spec.h"
#include "support/http_server.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::HttpServer;

namespace {

const QString kPicture = u"图片"_s;

quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : data) {
        crc ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The start of a PNG that claims the given size and holds no pixels.
QByteArray pngHeaderClaiming(quint32 width, quint32 height) {
    QByteArray ihdr("IHDR");
    char be[4];
    qToBigEndian(width, be);
    ihdr.append(be, 4);
    qToBigEndian(height, be);
    ihdr.append(be, 4);
    ihdr.append("\x08\x02\x00\x00\x00", 5);  // 8-bit truecolour
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    qToBigEndian<quint32>(13, be);
    out.append(be, 4);
    out.append(ihdr);
    qToBigEndian(crc32(ihdr), be);
    out.append(be, 4);
    return out;
}

HttpServer::Route image(const QByteArray& bytes) {
    HttpServer::Route r;
    r.body = bytes;
    r.contentType = "image/png";
    return r;
}

// A picture component whose window is open, with the address typed and saved.
struct Saved {
    TestHost host;
    PropertyWindowManager windows{host};
    QLabel* item = nullptr;

    explicit Saved(const QString& address) {
        item = host.addComponent(kPicture, 0, 0, 120, 120);
        windows.open(kPicture);
        setAddress(address);
    }
    QWidget* window() { return windows.window(kPicture); }
    void setAddress(const QString& address) {
        window()->findChild<QLineEdit*>(u"编辑框_图片"_s)->setText(address);
    }
    void save() {
        for (auto* b : window()->findChildren<QPushButton*>())
            if (b->text() == properties::kSaveText) QTest::mouseClick(b, Qt::LeftButton);
    }
    QSize pictureSize() const { return item->pixmap().size(); }
    bool fetchRunning() const { return !item->findChildren<QObject*>(u"vitrine-picture-fetch"_s).isEmpty(); }
};

}  // namespace

class PictureFetchTest : public QObject {
    Q_OBJECT
private slots:
    void decodesOnlyPictures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("a PNG") << pngBytes(3, 2) << QSize(3, 2);
        QTest::newRow("text") << QByteArray("<html>not found</html>") << QSize();
        QTest::newRow("nothing") << QByteArray() << QSize();
        QTest::newRow("a PNG cut short") << pngBytes(40, 40).left(60) << QSize();
        QTest::newRow("a header claiming 30000 × 30000") << pngHeaderClaiming(30000, 30000) << QSize();
        QTest::newRow("a header claiming 9000 × 9000, over the memory limit")
            << pngHeaderClaiming(9000, 9000) << QSize();
    }
    void decodesOnlyPictures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        const QImage picture = decodeUntrustedPicture(bytes);
        QCOMPARE(picture.isNull() ? QSize() : picture.size(), size);
    }

    void fetchableAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("fetched");
        QTest::newRow("http") << u"http://img.example/a.png"_s << true;
        QTest::newRow("https with blanks around") << u" https://img.example/a.png "_s << true;
        QTest::newRow("capital HTTP is not fetched") << u"HTTP://img.example/a.png"_s << false;
        QTest::newRow("no address") << u"a.png"_s << false;
        QTest::newRow("a local file named http") << u"file:///tmp/http.png"_s << false;
        QTest::newRow("http without a host") << u"http://"_s << false;
    }
    void fetchableAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, fetched);
        QCOMPARE(!fetchableAddress(address).isEmpty(), fetched);
    }

    void answerAfterSaving_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("a PNG is shown") << 200 << pngBytes(30, 20) << QSize(30, 20);
        QTest::newRow("a page is no picture") << 200 << QByteArray("<html></html>") << QSize(120, 120);
        QTest::newRow("404 changes nothing") << 404 << pngBytes(30, 20) << QSize(120, 120);
        QTest::newRow("an absurd picture changes nothing") << 200 << pngHeaderClaiming(30000, 30000) << QSize(120, 120);
    }
    void answerAfterSaving() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QSize, shown);
        HttpServer server;
        HttpServer::Route r = image(body);
        r.status = status;
        server.route(u"/p.png"_s, r);
        Saved s(server.url(u"/p.png"_s).toString());
        s.host.statuses.clear();
        s.save();
        QCOMPARE(s.host.statuses.size(), 1);  // the saved text only, whatever the answer
        QTRY_VERIFY(!s.fetchRunning());
        QCOMPARE(server.hits(u"/p.png"_s), 1);
        QCOMPARE(s.pictureSize(), shown);
        QCOMPARE(s.host.pictureCalls, shown == QSize(120, 120) ? 0 : 1);
        QCOMPARE(s.host.statuses.size(), 1);
    }

    void anItemRemovedBeforeTheAnswerIsNotTouched() {
        HttpServer server;
        server.route(u"/p.png"_s, image(pngBytes(30, 20)));
        Saved s(server.url(u"/p.png"_s).toString());
        s.save();
        s.windows.closeAll();
        delete s.item;  // removed before the event loop ran the answer
        QTest::qWait(300);
        QCOMPARE(s.host.pictureCalls, 0);
    }

    void aLaterSaveWithoutAddressCancelsTheEarlierFetch() {
        HttpServer server;
        server.route(u"/p.png"_s, image(pngBytes(30, 20)));
        Saved s(server.url(u"/p.png"_s).toString());
        s.save();
        s.setAddress(u"picture-on-disk.png"_s);
        s.save();
        QTest::qWait(300);
        QCOMPARE(s.host.pictureCalls, 0);
        QCOMPARE(s.pictureSize(), QSize(120, 120));
    }

    void theLatestSaveWins() {
        HttpServer server;
        server.route(u"/slow.png"_s, [] {
            HttpServer::Route r;
            r.neverAnswer = true;
            return r;
        }());
        server.route(u"/p.png"_s, image(pngBytes(30, 20)));
        Saved s(server.url(u"/slow.png"_s).toString());
        s.save();
        s.setAddress(server.url(u"/p.png"_s).toString());
        s.save();
        QTRY_COMPARE(s.pictureSize(), QSize(30, 20));
        QVERIFY(!s.fetchRunning());  // the silent one was cancelled
    }

    void aSilentServerDoesNotFreezeTheWindow() {
        HttpServer server;
        HttpServer::Route silent;
        silent.neverAnswer = true;
        server.route(u"/p.png"_s, silent);
        Saved s(server.url(u"/p.png"_s).toString());
        QElapsedTimer clock;
        clock.start();
        s.save();
        QVERIFY(clock.elapsed() < 1000);
        bool ticked = false;
        QTimer::singleShot(50, [&] { ticked = true; });
        QTRY_VERIFY_WITH_TIMEOUT(ticked, 2000);  // the event loop keeps running
        QTRY_COMPARE(server.hits(u"/p.png"_s), 1);
        // The window still works while the answer is awaited.
        QLineEdit* width = s.window()->findChild<QLineEdit*>(properties::kWidthField);
        width->setText(u"77"_s);
        QCOMPARE(s.item->width(), 77);
        QVERIFY(s.fetchRunning());
    }
};

QTEST_MAIN(PictureFetchTest)
#include "picture_fetch_test.moc"
