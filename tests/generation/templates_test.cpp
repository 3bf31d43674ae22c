#include "components/kinds.h"
#include "generation/gbk.h"
#include "generation/pipeline.h"
#include "generation/template_set.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

// Every placeholder a call site fills, with how often it may stand in the template.
const std::vector<std::pair<QString, int>> kModule = {
    {u"宽度"_s, 4}, {u"总高"_s, 2}, {u"高度"_s, 4}, {u"距顶"_s, 1}, {u"#背景色"_s, 1}, {u"背景图"_s, 1},
    {u"固定"_s, 1}, {u"平铺"_s, 1}, {u"上下"_s, 1}, {u"左右"_s, 1}, {u"偏移"_s, 1}, {u"Nirova版本"_s, 3}};
const std::vector<std::pair<QString, int>> kWrapper = {
    {u"总高"_s, 1}, {u"高度"_s, 4}, {u"偏移量"_s, 1}, {u"间距"_s, 1}, {u"Nirova软件735206914"_s, 1}};

TEST(BuiltinTemplates, CarryEveryPlaceholderWithinItsCount) {
    const TemplateSet t = builtinTemplates();
    for (const auto& [word, count] : kModule) {
        EXPECT_GE(t.common.count(word, Qt::CaseInsensitive), 1) << word.toStdString();
        EXPECT_LE(t.common.count(word, Qt::CaseInsensitive), count) << word.toStdString();
    }
    for (const auto& [word, count] : kWrapper) {
        EXPECT_GE(t.fullScreen.count(word), 1) << word.toStdString();
        EXPECT_LE(t.fullScreen.count(word), count) << word.toStdString();
    }
    for (const QString& page : {t.previewTmall, t.previewMarket}) {
        EXPECT_EQ(page.count(u"735206914"_s), 1);
        EXPECT_TRUE(page.contains(u"charset=\"gbk\""_s));
        EXPECT_TRUE(page.contains(u".footer-more:hover .footer-more-panel{display:block;}"_s));
    }
    EXPECT_TRUE(t.previewTmall.contains(u"width:990px"_s));
    EXPECT_TRUE(t.previewMarket.contains(u"width:950px"_s));
    // What is pasted into the shop uses inline styles and the platform's classes only.
    for (const QString& pasted : {t.common, t.fullScreen}) {
        EXPECT_FALSE(pasted.contains(u"<style"_s));
        EXPECT_FALSE(pasted.contains(u"<script"_s));
        EXPECT_FALSE(pasted.contains(QRegularExpression(u"[;\"\\s]position\\s*:"_s)));
        EXPECT_FALSE(pasted.contains(u" id="_s));
    }
}

TEST(BuiltinTemplates, NoPlaceholderIsLeftInTheCode) {
    for (const QString& edition : {u"天猫版"_s, u"专业版"_s, u"基础版"_s}) {
        ComponentLayer components;
        BackgroundLayer background;
        background.setCell(0, modcol::Edition, edition);
        background.setCell(0, modcol::Width, u"1920"_s);
        background.setCell(0, modcol::Height, u"600"_s);
        background.setCell(0, modcol::TopSpacing, u"10"_s);
        SeededRandom random(1);
        const TemplateSet t = builtinTemplates();
        const GenerationResult r = generate({components, background, nullptr, t, random, emitterFor, textKind().emitter});
        for (const auto& words : {kModule, kWrapper})
            for (const auto& [word, count] : words) EXPECT_FALSE(r.code.contains(word)) << word.toStdString();
        EXPECT_FALSE(r.code.contains(u"Nirova"_s, Qt::CaseInsensitive));
        EXPECT_FALSE(QString::fromLatin1(r.preview).contains(u"735206914"_s));
    }
}

}  // namespace
