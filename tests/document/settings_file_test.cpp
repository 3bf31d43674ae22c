#include "document/settings_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::readFile;

namespace {

TEST(SettingsFile, ValuesRoundTripExactly) {
    testsupport::TempDir dir;
    ComponentSettingsFile file(dir.file(u"lb2.ini"_s));
    const QString values[] = {
        u""_s,
        u"  leading and trailing  "_s,
        u"\"quoted\""_s,
        u"'single'"_s,
        u"a=b=c"_s,
        u"; not a comment"_s,
        u"[not a section]"_s,
        u"line one\nline two\r\nline three\r"_s,
        u"back\\slash \\n literally"_s,
        u"\\"_s,
        u"店铺 ，。😀 𠀀"_s,
        u"\t tab"_s,
        QString(QChar(0xDC00)) + u"lone"_s,
        u"\\u0041"_s,
    };
    int i = 0;
    for (const QString& v : values) {
        const QString key = u"键"_s + QString::number(i++);
        ASSERT_TRUE(file.write(key, v));
        EXPECT_EQ(file.read(key), v) << v.toStdString();
    }
    // Every value survives the others' writes, and a snapshot reads the same.
    const SettingsSnapshot snapshot(file.path());
    i = 0;
    for (const QString& v : values) {
        const QString key = u"键"_s + QString::number(i++);
        EXPECT_EQ(file.read(key), v);
        EXPECT_EQ(snapshot.read(key), v);
    }
}

TEST(SettingsFile, MissingThingsReadEmpty) {
    testsupport::TempDir dir;
    ComponentSettingsFile file(dir.file(u"none.ini"_s));
    EXPECT_EQ(file.read(u"宽度"_s), QString());
    EXPECT_FALSE(SettingsSnapshot(file.path()).exists());
    ASSERT_TRUE(file.write(u"宽度"_s, u"300"_s));
    EXPECT_EQ(file.read(u"高度"_s), QString());
    EXPECT_EQ(file.read(u"宽度"_s), u"300"_s);
    ASSERT_TRUE(file.write(u"宽度"_s, u"400"_s));  // overwritten, not repeated
    EXPECT_EQ(QString::fromUtf8(readFile(file.path())).count(u"宽度"_s), 0);  // it is GB18030, not UTF-8
}

TEST(SettingsFile, GbkTextIsStoredAsGbkBytes) {
    testsupport::TempDir dir;
    ComponentSettingsFile file(dir.file(u"ss2.ini"_s));
    ASSERT_TRUE(file.write(u"标题"_s, u"新品上市"_s));
    QStringEncoder gbk("GBK");
    EXPECT_EQ(readFile(file.path()), gbk.encode(u"[配置]\r\n标题=新品上市\r\n"_s));
}

TEST(SettingsFile, OtherSectionsAndKeysAreKept) {
    testsupport::TempDir dir;
    QStringEncoder enc("GB18030");
    testsupport::writeFile(dir.file(u"x.ini"_s),
                           enc.encode(u"[其他]\r\n宽度=9\r\n[配置]\r\n; note\r\n宽度 = 1\r\n高度=2\r\n"_s));
    ComponentSettingsFile file(dir.file(u"x.ini"_s));
    EXPECT_EQ(file.read(u"宽度"_s), u" 1"_s);
    ASSERT_TRUE(file.write(u"宽度"_s, u"5"_s));
    ASSERT_TRUE(file.write(u"距左"_s, u"7"_s));
    EXPECT_EQ(file.read(u"宽度"_s), u"5"_s);
    EXPECT_EQ(file.read(u"高度"_s), u"2"_s);
    EXPECT_EQ(file.read(u"距左"_s), u"7"_s);
    QStringDecoder dec("GB18030");
    const QString text = dec.decode(readFile(file.path()));
    EXPECT_TRUE(text.startsWith(u"[其他]\r\n宽度=9\r\n[配置]\r\n; note\r\n宽度=5\r\n高度=2\r\n距左=7"_s)) << text.toStdString();
}

TEST(SettingsFolder, OneEditorAtATimeAndNoLeftovers) {
    testsupport::TempDir dir;
    {
        SettingsFolder earlier(dir.path());
        ASSERT_EQ(earlier.open(), SettingsFolder::OpenResult::Ok);
        earlier.file(u"lb", 2).write(u"宽度"_s, u"300"_s);
        SettingsFolder second(dir.path());
        EXPECT_EQ(second.open(), SettingsFolder::OpenResult::InUse);
        EXPECT_EQ(earlier.file(u"lb", 2).read(u"宽度"_s), u"300"_s);  // untouched by the refused editor
    }  // the earlier run ends without removing its folder
    SettingsFolder next(dir.path());
    ASSERT_EQ(next.open(), SettingsFolder::OpenResult::Ok);
    EXPECT_TRUE(QDir(next.path()).exists());
    EXPECT_EQ(next.file(u"lb", 2).read(u"宽度"_s), QString());  // not taken over
    next.removeAll();
    EXPECT_FALSE(QDir(next.path()).exists());
    EXPECT_EQ(next.previewPath(), dir.path() + u"/yl.htm"_s);
}

TEST(SettingsFolder, BaseBesideTheProgramOnlyWhenWritable) {
    testsupport::TempDir dir;
    EXPECT_EQ(SettingsFolder::locateBase(dir.path()), QDir(dir.path()).absolutePath());
    const QString elsewhere = SettingsFolder::locateBase(dir.file(u"missing"_s));
    EXPECT_NE(elsewhere, dir.file(u"missing"_s));
    EXPECT_FALSE(elsewhere.isEmpty());
}

}  // namespace
