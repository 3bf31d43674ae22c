// What the generated code does in a real page: the preview page rendered by
// headless Chromium, with a probe that reports where things landed.

#include "components/kinds.h"
#include "document/component_kind.h"
#include "generation/gbk.h"
#include "generation/pipeline.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

// Reports, relative to the shop's module box: the picture's rect, the
// background box's rect and the module's height, as "key=value;".
const char* kProbe =
    "<script>(function(){"
    "var m=document.getElementById('module').getBoundingClientRect();"
    "var img=document.querySelector('#module img').getBoundingClientRect();"
    "var bg=document.querySelector('#module > div > div').getBoundingClientRect();"
    "var out='imgLeft='+(img.left-m.left)+';imgTop='+(img.top-m.top)+';imgWidth='+img.width+';imgHeight='+img.height+"
    "';bgLeft='+(bg.left-m.left)+';bgWidth='+bg.width+';bgTop='+(bg.top-m.top)+';moduleHeight='+m.height+"
    "';position='+getComputedStyle(document.querySelector('#module img').parentNode.parentNode).position+';';"
    "var p=document.createElement('pre');p.id='probe';p.textContent=out;document.body.appendChild(p);"
    "})();</script>";

QMap<QString, QString> render(const QByteArray& page) {
    testsupport::TempDir dir;
    QByteArray probed = page;
    probed.replace("</body>", QByteArray(kProbe) + "</body>");
    testsupport::writeFile(dir.file(u"yl.htm"_s), probed);
    QProcess chromium;
    chromium.start(QStringLiteral(CHROMIUM_EXECUTABLE),
                   {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s, u"--disable-quic"_s, u"--no-first-run"_s,
                    u"--disable-background-networking"_s, u"--disable-component-update"_s, u"--disable-sync"_s,
                    u"--user-data-dir="_s + dir.file(u"profile"_s), u"--window-size=1400,900"_s,
                    u"--virtual-time-budget=3000"_s, u"--dump-dom"_s,
                    QUrl::fromLocalFile(dir.file(u"yl.htm"_s)).toString()});
    if (!chromium.waitForFinished(60000)) {
        chromium.kill();
        ADD_FAILURE() << "chromium did not finish";
        return {};
    }
    const QString dom = QString::fromUtf8(chromium.readAllStandardOutput());
    const auto m = QRegularExpression(u"<pre id=\"probe\">([^<]*)</pre>"_s).match(dom);
    EXPECT_TRUE(m.hasMatch()) << dom.left(2000).toStdString();
    QMap<QString, QString> values;
    for (const QString& pair : m.captured(1).split(u';', Qt::SkipEmptyParts)) {
        const auto kv = pair.split(u'=');
        if (kv.size() == 2) values[kv[0]] = kv[1];
    }
    return values;
}

struct Case {
    const char* name;
    QString edition, width;
    QString expectedBgLeft;
};

TEST(Browser, ComponentsLandWhereTheCanvasPutsThem) {
    const Case cases[] = {
        {"a 950 module", u"专业版"_s, u"950"_s, u"0"_s},
        {"a full-screen module centred on the canvas", u"专业版"_s, u"1920"_s, u"-485"_s},
        {"a Tmall module", u"天猫版"_s, u"950"_s, u"0"_s},
    };
    for (const Case& c : cases) {
        ComponentLayer components;
        BackgroundLayer background;
        background.setCell(0, modcol::Edition, c.edition);
        background.setCell(0, modcol::Width, c.width);
        background.setCell(0, modcol::Height, u"600"_s);
        background.setCell(0, modcol::TopSpacing, u"20"_s);
        background.setCell(0, modcol::Colour, u"#FFEEDD"_s);
        const int r = components.appendRow();
        const QStringList cells = {kind::Picture, u"10"_s, u"30"_s, u"300"_s, u"200"_s, u"_blank"_s,
                                   u"data:image/gif;base64,R0lGODlhAQABAAAAACw="_s, u"#"_s, u"t"_s};
        for (int i = 0; i < cells.size(); ++i) components.setCell(r, i, cells[i]);
        SeededRandom random(1);
        const TemplateSet templates = builtinTemplates();
        const GenerationResult out = generate({components, background, nullptr, templates, random, emitterFor, textKind().emitter});
        const auto v = render(out.preview);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(v.value(u"imgLeft"_s), u"10"_s);
        EXPECT_EQ(v.value(u"imgTop"_s), u"50"_s);  // below the top spacing
        EXPECT_EQ(v.value(u"imgWidth"_s), u"300"_s);
        EXPECT_EQ(v.value(u"imgHeight"_s), u"200"_s);
        EXPECT_EQ(v.value(u"bgLeft"_s), c.expectedBgLeft);
        EXPECT_EQ(v.value(u"bgWidth"_s), c.width);
        EXPECT_EQ(v.value(u"moduleHeight"_s), u"620"_s);  // the module keeps its place in the page
        EXPECT_EQ(v.value(u"position"_s), u"absolute"_s);
    }
}

}  // namespace
