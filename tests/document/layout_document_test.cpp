#include "document/layout_document.h"

#include "support/temp_dir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

struct FakeItem {
    QString name;
    int tag = 0;
};
using Item = std::shared_ptr<FakeItem>;
using Doc = LayoutDocument<Item, Item>;

struct Fixture {
    Doc doc{std::make_shared<FakeItem>(FakeItem{u"template"_s}), [](Item& i, int n) { i->tag = n; },
            [](Item& i, int n) { i->tag = n; }};

    Item add(const QString& kindText) {
        auto item = std::make_shared<FakeItem>(FakeItem{kindText});
        doc.addComponent(kindText, item);
        return item;
    }
    Item addText() {
        auto item = std::make_shared<FakeItem>(FakeItem{u"text"_s});
        doc.addText(item);
        return item;
    }
    // Every invariant that ties the counters, registries, rows and tags together.
    void expectInStep() const {
        EXPECT_EQ(doc.components.rowCount(), doc.componentCounter() + 1);
        EXPECT_EQ(doc.background.rowCount(), doc.textCounter() + 1);
        for (int i = 2; i <= doc.items.size(); ++i) {
            EXPECT_EQ(doc.items.at(i)->tag, i);
            EXPECT_EQ(doc.items.at(i)->name, doc.components.getCell(i, col::Kind));
        }
        for (int t = 1; t <= doc.texts.size(); ++t) {
            EXPECT_EQ(doc.texts.at(t)->tag, t);
            EXPECT_EQ(doc.background.getCell(t, col::Kind), kind::Text);
        }
    }
    QStringList kinds() const {
        QStringList k;
        for (int r = 2; r < doc.components.rowCount(); ++r) k << doc.components.getCell(r, col::Kind);
        return k;
    }
};

TEST(Layers, StartState) {
    Fixture f;
    const ComponentLayer& c = f.doc.components;
    EXPECT_EQ(c.headers(), QStringList({u"识别"_s, u"距左"_s, u"距顶"_s, u"宽度"_s, u"高度"_s, u"打开"_s, u"图片"_s,
                                        u"链接"_s, u"提示"_s, u"保存"_s, u"附加1"_s, u"附加2"_s}));
    ASSERT_EQ(c.rowCount(), 2);
    for (int r = 0; r < 2; ++r) {
        for (int col = 0; col <= 10; ++col) EXPECT_EQ(c.getCell(r, col), u"-1"_s);
        EXPECT_EQ(c.getCell(r, 11), QString());
    }
    const BackgroundLayer& b = f.doc.background;
    EXPECT_EQ(b.headers(), QStringList({u"版本"_s, u"宽度"_s, u"高度"_s, u"背色"_s, u"背图"_s, u"固定"_s, u"平铺"_s,
                                        u"上下"_s, u"左右"_s, u"保存"_s, u"上间距"_s}));
    ASSERT_EQ(b.rowCount(), 1);
    const QStringList start = {u"专业版"_s, {}, {}, {}, {}, u"scroll"_s, u"no-repeat"_s, u"top"_s, u"center"_s, {}, {}};
    for (int col = 0; col < 11; ++col) EXPECT_EQ(b.getCell(0, col), start[col]) << col;
    EXPECT_EQ(f.doc.componentCounter(), 1);
    EXPECT_EQ(f.doc.textCounter(), 0);
    EXPECT_EQ(f.doc.selection.canvasItemFlag, 0);
}

TEST(Layers, CellsOutsideTheTable) {
    ComponentLayer c;
    EXPECT_EQ(c.getCell(7, 0), QString());
    EXPECT_EQ(c.getCell(0, 12), QString());
    EXPECT_EQ(c.getCell(-1, 0), QString());
    c.setCell(7, 0, u"x"_s);  // no such row: nothing happens
    EXPECT_EQ(c.rowCount(), 2);
    const int r = c.appendRow();
    EXPECT_EQ(r, 2);
    c.setCell(r, 3, u"abc"_s);
    EXPECT_EQ(c.getCell(r, 3), u"abc"_s);
    c.deleteRow(9);
    EXPECT_EQ(c.rowCount(), 3);
}

TEST(AddRemove, NumbersFollowRows) {
    Fixture f;
    Item picture = f.add(kind::Picture);
    Item like = f.add(kind::Like);
    Item qr = f.add(kind::QrCode);
    EXPECT_EQ(picture->tag, 2);
    EXPECT_EQ(like->tag, 3);
    EXPECT_EQ(qr->tag, 4);
    f.expectInStep();

    const auto removed = f.doc.removeComponent(3);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0], like);
    EXPECT_EQ(qr->tag, 3);
    EXPECT_EQ(f.kinds(), QStringList({kind::Picture, kind::QrCode}));
    EXPECT_EQ(f.doc.items.at(1)->tag, 1);  // the template entry is numbered too
    f.expectInStep();
}

TEST(AddRemove, CarouselComesAndGoesWithItsArrows) {
    Fixture f;
    f.add(kind::Picture);
    f.add(kind::Carousel);
    f.add(kind::LeftArrow);
    f.add(kind::RightArrow);
    Item last = f.add(kind::Video);
    EXPECT_EQ(f.doc.componentCounter(), 6);

    EXPECT_TRUE(f.doc.removeComponent(4).empty());  // an arrow alone: the editor only hides the pair
    EXPECT_EQ(f.doc.componentCounter(), 6);

    EXPECT_EQ(f.doc.removeComponent(3).size(), 3u);
    EXPECT_EQ(f.kinds(), QStringList({kind::Picture, kind::Video}));
    EXPECT_EQ(last->tag, 3);
    f.expectInStep();
}

TEST(AddRemove, UnknownKindsAreNotRemoved) {
    Fixture f;
    f.add(kind::Picture);
    EXPECT_TRUE(f.doc.removeComponent(1).empty());   // the template row holds "-1"
    EXPECT_TRUE(f.doc.removeComponent(9).empty());   // no such component
    f.doc.components.setCell(2, col::Kind, u"-1"_s);
    f.doc.items.at(2)->name = u"-1"_s;
    EXPECT_TRUE(f.doc.removeComponent(2).empty());
    EXPECT_EQ(f.doc.componentCounter(), 2);
    f.expectInStep();
}

TEST(AddRemove, Texts) {
    Fixture f;
    Item a = f.addText();
    Item b = f.addText();
    EXPECT_EQ(a->tag, 1);
    EXPECT_EQ(b->tag, 2);
    f.expectInStep();
    EXPECT_EQ(f.doc.removeText(1).size(), 1u);
    EXPECT_EQ(b->tag, 1);
    f.doc.removeText(1);
    EXPECT_EQ(f.doc.background.rowCount(), 1);
    EXPECT_EQ(f.doc.textCounter(), 0);
    EXPECT_TRUE(f.doc.removeText(1).empty());
    f.expectInStep();
}

TEST(AddRemove, SettingsFilesStayWithTheirComponents) {
    testsupport::TempDir dir;
    SettingsFolder folder(dir.path());
    ASSERT_EQ(folder.open(), SettingsFolder::OpenResult::Ok);
    Fixture f;
    f.doc.setSettingsFolder(&folder, {u"lb"_s, u"djs"_s, u"ss"_s}, {u"wz"_s});

    f.add(kind::Countdown);   // 2
    f.add(kind::Search);      // 3
    f.add(kind::Countdown);   // 4
    folder.file(u"djs", 2).write(u"标题"_s, u"first"_s);
    folder.file(u"ss", 3).write(u"标题"_s, u"search"_s);
    folder.file(u"djs", 4).write(u"标题"_s, u"second"_s);

    f.doc.removeComponent(2);
    EXPECT_EQ(folder.file(u"ss", 2).read(u"标题"_s), u"search"_s);
    EXPECT_EQ(folder.file(u"djs", 3).read(u"标题"_s), u"second"_s);
    EXPECT_FALSE(QFile::exists(folder.filePath(u"djs", 4)));
    EXPECT_FALSE(QFile::exists(folder.filePath(u"djs", 2)));

    f.add(kind::Countdown);   // 4 again: starts without settings
    EXPECT_EQ(folder.file(u"djs", 4).read(u"标题"_s), QString());

    f.addText();
    f.addText();
    folder.file(u"wz", 1).write(u"内容"_s, u"one"_s);
    folder.file(u"wz", 2).write(u"内容"_s, u"two"_s);
    f.doc.removeText(1);
    EXPECT_EQ(folder.file(u"wz", 1).read(u"内容"_s), u"two"_s);
    EXPECT_FALSE(QFile::exists(folder.filePath(u"wz", 2)));
}

}  // namespace
