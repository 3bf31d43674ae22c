#include "components/image/picture.h"
#include "components/kinds.h"
#include "document/component_kind.h"
#include "generation/gbk.h"
#include "generation/pipeline.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

// A layout and templates small enough to read every output whole.
struct Fixture {
    ComponentLayer components;
    BackgroundLayer background;
    TemplateSet templates{u"<M>"_s, u"<W 总高 高度 偏移量 间距>Nirova软件735206914</W>"_s, u"<T>735206914</T>"_s,
                          u"<J>735206914</J>"_s};
    SeededRandom random{1};

    Fixture() { setModule(u"专业版"_s, u"950"_s, u"500"_s, u"0"_s); }

    void setModule(const QString& edition, const QString& width, const QString& height, const QString& spacing) {
        background.setCell(0, modcol::Edition, edition);
        background.setCell(0, modcol::Width, width);
        background.setCell(0, modcol::Height, height);
        background.setCell(0, modcol::TopSpacing, spacing);
    }

    int addPicture(bool saved) {
        const int r = components.appendRow();
        components.setCell(r, col::Kind, kind::Picture);
        if (saved) {
            const QStringList v = {u"10"_s, u"20"_s, u"300"_s, u"200"_s, u"_blank"_s, u"http://img/p.jpg"_s,
                                   u"http://shop/"_s, u"标题"_s};
            for (int c = 0; c < v.size(); ++c) components.setCell(r, c + 1, v[c]);
            components.setCell(r, col::Saved, u"1"_s);
        }
        return r;
    }

    GenerationResult run(Emitter text = textKind().emitter) {
        return generate({components, background, nullptr, templates, random, emitterFor, text});
    }
};

QString pictureBlock(int left, int top) {
    return QStringLiteral(
               "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:%2px;left:%1px;width:300px;"
               "height:200px;padding: 0;border:0;background:none;\"><a href=\"http://shop/\" target=\"_blank\" "
               "title=\"标题\"><img src=\"http://img/p.jpg\" style=\"width:300px;height:200px\"></a></div>")
        .arg(left)
        .arg(top);
}

TEST(Pipeline, ModuleOffsetByWidth) {
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"1920", "-485"}, {u"951", "-0.5"}, {u"950", "0"}, {u"750", "100"}, {u"", "475"}};
    for (const auto& [width, offset] : cases) {
        Fixture f;
        f.templates.common = u"[偏移]"_s;
        f.setModule(u"专业版"_s, QString::fromUtf16(width), u"500"_s, u"0"_s);
        EXPECT_EQ(f.run().code, u"["_s + QString::fromLatin1(offset) + u"]</div></div></div>"_s);
    }
}

TEST(Pipeline, ModuleTextForEachEdition) {
    Fixture f;
    f.templates.common = u"宽度 总高 高度 距顶 #背景色 背景图 固定 平铺 上下 左右 偏移 Nirova版本 NIROVA版本 nirova版本 Nirova版本"_s;
    f.background.setCell(0, modcol::Colour, u"#FF0000"_s);
    f.background.setCell(0, modcol::Picture, u"http://bg"_s);

    f.setModule(u"天猫版"_s, u"950"_s, u"600"_s, u"20"_s);
    EXPECT_EQ(f.run().code, u"950 620 600 20 #FF0000 http://bg scroll no-repeat top center 0 sn-simple-logo "
                            u"sn-simple-logo sn-simple-logo Nirova版本</div></div></div>"_s);

    f.setModule(u"专业版"_s, u"950"_s, u"600"_s, u""_s);  // spacing never saved: adds nothing, placed empty
    EXPECT_EQ(f.run().code, u"950 600 600  #FF0000 http://bg scroll no-repeat top center 0 most-footer "
                            u"footer-more-trigger most-footer footer-more-trigger most-footer footer-more-trigger "
                            u"Nirova版本</div></div></div>"_s);

    f.setModule(u"旗舰版"_s, u"950"_s, u"600"_s, u"5"_s);  // an unknown edition keeps the class placeholder
    const GenerationResult other = f.run();
    EXPECT_TRUE(other.code.contains(u"偏移"_s) == false);
    EXPECT_TRUE(other.code.contains(u"0 Nirova版本 NIROVA版本"_s));
    EXPECT_TRUE(other.preview.isEmpty());
}

TEST(Pipeline, BasicEditionWrapsTheCode) {
    Fixture f;
    f.templates.common = u"<M 总高 距顶>"_s;
    f.setModule(u"基础版"_s, u"950"_s, u"500"_s, u"30"_s);
    GenerationResult r = f.run();
    EXPECT_EQ(r.code, u"<W 530 500 -200 30><M 500 0></div></div></div></W>"_s);
    EXPECT_EQ(r.preview, QByteArray("<J><W 530 500 -200 30><M 500 0></div></div></div></W></J>"));

    f.setModule(u"基础版"_s, u"951"_s, u"500"_s, u"30"_s);
    EXPECT_TRUE(f.run().code.startsWith(u"<W 530 500 -574 30>"_s));
}

TEST(Pipeline, RefusesWithoutHorizontalPosition) {
    Fixture f;
    f.addPicture(true);
    f.background.setCell(0, modcol::HorizontalPosition, QString());
    const GenerationResult r = f.run();
    EXPECT_TRUE(r.refused);
    EXPECT_TRUE(r.code.isEmpty());
    EXPECT_TRUE(r.preview.isEmpty());
    EXPECT_EQ(r.statuses, QStringList({kStatusModule, kStatusRefused}));
}

TEST(Pipeline, ComponentsInRowOrderThenTextsThenClosing) {
    Fixture f;
    f.addPicture(true);
    f.addPicture(false);
    const int arrow = f.components.appendRow();
    f.components.setCell(arrow, col::Kind, kind::LeftArrow);
    const int third = f.addPicture(true);
    f.components.setCell(third, col::Left, u"77"_s);
    for (int i = 0; i < 2; ++i) f.background.setCell(f.background.appendRow(), col::Kind, kind::Text);

    const GenerationResult r = f.run([](EmitContext& ctx) { ctx.append("[T" + std::to_string(ctx.row()) + "]"); });
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.code, u"<M>"_s + pictureBlock(10, 20) + pictureBlock(77, 20) + u"[T1][T2]</div></div></div>"_s);
    EXPECT_EQ(r.preview, QByteArray::fromStdString(toGbk(u"<J>"_s + r.code + u"</J>"_s)));
    EXPECT_EQ(r.statuses, QStringList({kStatusModule, kStatusComponents, kUnsavedSkipText, kStatusDone}));
    EXPECT_EQ(r.emitterState, kEmitterStarted);
}

TEST(Pipeline, TheTextLoopStopsAtTheFirstEmptyRow) {
    Fixture f;
    f.background.setCell(f.background.appendRow(), col::Kind, kind::Text);
    f.background.appendRow();  // an empty row closes the code
    f.background.setCell(f.background.appendRow(), col::Kind, kind::Text);
    const GenerationResult r = f.run([](EmitContext& ctx) { ctx.append("[T" + std::to_string(ctx.row()) + "]"); });
    EXPECT_EQ(r.code, u"<M>[T1]</div></div></div>"_s);
}

TEST(Pipeline, NoComponentsAndTwoRunsAlike) {
    Fixture f;
    const GenerationResult first = f.run();
    EXPECT_EQ(first.code, u"<M></div></div></div>"_s);
    EXPECT_TRUE(first.emitterState.isEmpty());
    f.addPicture(true);
    const GenerationResult a = f.run();
    const GenerationResult b = f.run();
    EXPECT_EQ(a.code, b.code);
    EXPECT_EQ(a.preview, b.preview);
}

TEST(Pipeline, EmptyTemplatesStillGenerate) {
    Fixture f;
    f.templates = TemplateSet{};
    f.addPicture(true);
    GenerationResult r = f.run();
    EXPECT_EQ(r.code, pictureBlock(10, 20) + u"</div></div></div>"_s);
    EXPECT_TRUE(r.preview.isEmpty());
    EXPECT_EQ(r.statuses.back(), kStatusDone);

    f.setModule(u"基础版"_s, u"950"_s, u"500"_s, u"0"_s);
    r = f.run();
    EXPECT_TRUE(r.code.isEmpty());  // the empty wrapper takes the code's place
}

TEST(Pipeline, SavedPictureInsideBuiltinModule) {
    Fixture f;
    f.templates = builtinTemplates();
    f.addPicture(true);
    const GenerationResult r = f.run();
    const QString block = pictureBlock(10, 20);
    ASSERT_TRUE(r.code.contains(block));
    EXPECT_TRUE(r.code.endsWith(block + u"</div></div></div>"_s));
    EXPECT_EQ(r.codeGbk, toGbk(r.code));
    EXPECT_TRUE(r.preview.contains(QByteArray::fromStdString(r.codeGbk)));
}

TEST(Pipeline, CharactersOutsideGbkReachThePageAsReferences) {
    Fixture f;
    const int r = f.addPicture(true);
    f.components.setCell(r, picture::Title, u"新品😀"_s);
    const GenerationResult out = f.run();
    EXPECT_TRUE(out.code.contains(u"title=\"新品&#128512;\""_s));
}

}  // namespace
