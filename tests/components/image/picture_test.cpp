#include "components/image/picture.h"

#include "generation/gbk.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

std::string emitRow(const QStringList& cells, QStringList* statuses = nullptr) {
    ComponentLayer layer;
    const int r = layer.appendRow();
    layer.setCell(r, col::Kind, u"图片"_s);
    for (int c = 0; c < cells.size(); ++c) layer.setCell(r, c + 1, cells[c]);
    std::string code;
    QStringList shown;
    SeededRandom random(1);
    EmitContext ctx(layer, r, nullptr, code, shown, random);
    picture::emitCode(ctx);
    if (statuses) *statuses = shown;
    return code;
}

TEST(Picture, TemplateIs254Bytes) {
    const std::string bytes = toGbk(picture::kTemplate);
    EXPECT_EQ(bytes.size(), 254u);
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
}

TEST(Picture, Outputs) {
    struct Case {
        const char* name;
        QStringList cells;  // columns 1..8
        QString expected;
    };
    const Case cases[] = {
        {"saved with the defaults",
         {u"5"_s, u"6"_s, u"120"_s, u"120"_s, u"_blank"_s, u"https://img.example/d.png"_s, u""_s, u""_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:6px;left:5px;width:120px;height:120px;"
         u"padding: 0;border:0;background:none;\"><a href=\"\" target=\"_blank\" title=\"\"><img "
         u"src=\"https://img.example/d.png\" style=\"width:120px;height:120px\"></a></div>"_s},
        {"a title with a double quote is inserted as typed",
         {u"0"_s, u"0"_s, u"300"_s, u"200"_s, u"_self"_s, u"p"_s, u"#"_s, u"say \"hi\""_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:0px;left:0px;width:300px;height:200px;"
         u"padding: 0;border:0;background:none;\"><a href=\"#\" target=\"_self\" title=\"say \"hi\"\"><img "
         u"src=\"p\" style=\"width:300px;height:200px\"></a></div>"_s},
        {"a link holding the title's placeholder takes the title",
         {u"0"_s, u"0"_s, u"1"_s, u"1"_s, u"_blank"_s, u"p"_s, u"http://s/提示"_s, u"T"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:0px;left:0px;width:1px;height:1px;"
         u"padding: 0;border:0;background:none;\"><a href=\"http://s/T\" target=\"_blank\" title=\"提示\"><img "
         u"src=\"p\" style=\"width:1px;height:1px\"></a></div>"_s},
    };
    for (const Case& c : cases) EXPECT_EQ(fromGbk(emitRow(c.cells)), c.expected) << c.name;
}

TEST(Picture, UnsavedIsSkipped) {
    QStringList statuses;
    EXPECT_TRUE(emitRow({}, &statuses).empty());
    EXPECT_EQ(statuses, QStringList{kUnsavedSkipText});
}

}  // namespace
