// Every declared window is sound, and the check finds what a declaration
// gets wrong.

#include "components/kinds.h"
#include "properties/module_settings_spec.h"
#include "properties/window_spec.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace vitrine::properties;
using namespace Qt::StringLiterals;

TEST(WindowSpec, EveryDeclaredWindowIsSound) {
    std::vector<const KindInfo*> kinds;
    for (const KindInfo& k : componentKinds()) kinds.push_back(&k);
    kinds.push_back(&textKind());
    int declared = 0;
    for (const KindInfo* k : kinds) {
        if (!k->window) continue;
        ++declared;
        const WindowSpec* declaration = k->window();
        ASSERT_NE(declaration, nullptr) << k->kind.toStdString();
        EXPECT_EQ(declaration->caption, k->windowCaption) << k->kind.toStdString();
        EXPECT_EQ(checkSpec(*declaration), QStringList()) << k->kind.toStdString();
    }
    EXPECT_GE(declared, 1);
    EXPECT_EQ(checkSpec(module::windowSpec()), QStringList());
}

TEST(WindowSpec, CheckFindsFaults) {
    auto base = [] {
        WindowSpec w;
        w.fields = {{.name = u"编辑框_值"_s, .shown = false}, {.name = u"编辑框_文字"_s, .caption = u"文字"_s}};
        return w;
    };
    const struct {
        const char* name;
        void (*spoil)(WindowSpec&);
        const char* found;  // part of the problem's text
    } cases[] = {
        {"a chooser driving no field",
         [](WindowSpec& w) { w.choosers.push_back({.name = u"组合框1"_s, .valueField = u"x"_s, .choices = {{u"a"_s, u"a"_s}}}); },
         "drives x"},
        {"a check box with one entry",
         [](WindowSpec& w) {
             w.choosers.push_back({.type = ChooserType::Check, .name = u"选择框1"_s, .valueField = u"编辑框_值"_s,
                                   .choices = {{u"a"_s, u"a"_s}}});
         },
         "too few"},
        {"a field declared twice", [](WindowSpec& w) { w.fields.push_back({.name = u"编辑框_值"_s, .shown = false}); },
         "declared twice"},
        {"a radio button named like a field",
         [](WindowSpec& w) {
             w.choosers.push_back({.type = ChooserType::Radio, .valueField = u"编辑框_值"_s,
                                   .choices = {{u"a"_s, u"a"_s, u"编辑框_文字"_s}}});
         },
         "named twice"},
        {"a load step into no field", [](WindowSpec& w) { w.load.push_back(fromColumn(u"编辑框_无"_s, 5)); }, "编辑框_无"},
        {"a save step from no field", [](WindowSpec& w) { w.save.push_back(toKey(u"编辑框_无"_s, u"键"_s)); }, "编辑框_无"},
        {"a shown field without caption", [](WindowSpec& w) { w.fields.push_back({.name = u"编辑框_空"_s}); }, "no caption"},
        {"a field on a page that does not exist",
         [](WindowSpec& w) { w.fields.push_back({.name = u"编辑框_页"_s, .caption = u"页"_s, .page = 2}); }, "page 2"},
        {"a refusal without its text", [](WindowSpec& w) { w.requireHttpIn = u"编辑框_文字"_s; }, "refusal text"},
        {"a choice writing no field",
         [](WindowSpec& w) {
             w.choosers.push_back({.name = u"组合框1"_s, .valueField = u"编辑框_值"_s,
                                   .choices = {{u"a"_s, u"a"_s, {}, {{u"编辑框_无"_s, u"x"_s}}}}});
         },
         "writes 编辑框_无"},
        {"emptiness without an empty entry",
         [](WindowSpec& w) {
             w.choosers.push_back({.name = u"组合框1"_s, .valueField = u"编辑框_值"_s,
                                   .choices = {{u"a"_s, u"a"_s}, {u"b"_s, u"b"_s}},
                                   .follows = ChooserFollows::Emptiness});
         },
         "follows emptiness"},
        {"a geometry applied on save from no field",
         [](WindowSpec& w) { w.geometryOnSave.push_back({u"编辑框_边"_s, Geometry::Width}); }, "编辑框_边"},
        {"a fetch from no field", [](WindowSpec& w) { w.fetchAfterSave = u"编辑框_图"_s; }, "编辑框_图"},
    };
    EXPECT_EQ(checkSpec(base()), QStringList());
    for (const auto& c : cases) {
        WindowSpec w = base();
        c.spoil(w);
        const QString problems = checkSpec(w).join(u'\n');
        EXPECT_TRUE(problems.contains(QString::fromUtf8(c.found))) << c.name << ": " << problems.toStdString();
    }
}
