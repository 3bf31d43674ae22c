#pragma once
// What a test of one kind's emitter needs: the layers, a settings folder in a
// temporary place, a random source that answers what the test says, and the
// emitter's output with the status texts it showed.

#include "document/layer.h"
#include "document/settings_file.h"
#include "generation/emitter.h"
#include "generation/gbk.h"
#include "support/temp_dir.h"

#include <QString>
#include <gtest/gtest.h>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Answers the given values in turn (the last one again when they run out)
// and records every range it was asked for.
class ScriptedRandom : public vitrine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int uniform(int low, int high) override {
        ranges.emplace_back(low, high);
        const int v = values_[std::min(next_, values_.size() - 1)];
        ++next_;
        return v;
    }
    std::vector<std::pair<int, int>> ranges;

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

struct Emitted {
    std::string bytes;     // what the emitter appended, GBK
    QString code;          // the same as text
    QStringList statuses;  // what it showed
};

using Settings = std::initializer_list<std::pair<QString, QString>>;

class EmitterFixture {
public:
    EmitterFixture() : folder_(dir_.path()) {
        if (folder_.open() != vitrine::SettingsFolder::OpenResult::Ok) throw std::runtime_error("no settings folder");
    }

    vitrine::ComponentLayer components;
    vitrine::BackgroundLayer background;
    ScriptedRandom random{{42}};

    const vitrine::SettingsFolder& folder() const { return folder_; }

    // Appends a component row of `kind` holding `cells` from column 1 on.
    int addRow(const QString& kind, const QStringList& cells = {}) {
        const int r = components.appendRow();
        components.setCell(r, vitrine::col::Kind, kind);
        for (int c = 0; c < cells.size(); ++c) components.setCell(r, c + 1, cells[c]);
        return r;
    }
    // Sets one cell of a component row.
    void setCell(int row, int column, const QString& text) { components.setCell(row, column, text); }

    // Sets keys of a settings file, in the file's own format. The file is
    // written whole each time, without the writer's flush to disk, which
    // would make the tests slow.
    void writeSettings(const QString& prefix, int number, Settings values) {
        const QString path = folder_.filePath(prefix, number);
        auto& entries = files_[path];
        for (const auto& [key, value] : values) {
            auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
            if (it != entries.end())
                it->second = value;
            else
                entries.emplace_back(key, value);
        }
        QString text = QStringLiteral("[配置]\r\n");
        for (const auto& [key, value] : entries)
            text += key + u'=' + vitrine::ComponentSettingsFile::escape(value) + QStringLiteral("\r\n");
        writeFile(path, QStringEncoder("GB18030").encode(text));
    }

    Emitted run(vitrine::Emitter emitter, int row) { return run(emitter, components, row); }
    Emitted runText(vitrine::Emitter emitter, int row) { return run(emitter, background, row); }

private:
    Emitted run(vitrine::Emitter emitter, const vitrine::Layer& layer, int row) {
        Emitted out;
        vitrine::EmitContext ctx(layer, row, &folder_, out.bytes, out.statuses, random);
        emitter(ctx);
        out.code = vitrine::fromGbk(out.bytes);
        return out;
    }

    TempDir dir_;
    vitrine::SettingsFolder folder_;
    std::map<QString, std::vector<std::pair<QString, QString>>> files_;
};

// A kind that keeps its settings in a file is saved once the file holds a
// "宽度": a row without a file and one whose file has everything but the
// width both append nothing and show `skipText` alone. `textRow` puts the
// rows in the background layer, where the texts are.
inline void expectSkippedUntilWidthSaved(vitrine::Emitter emitter, const QString& prefix, const QString& skipText,
                                         bool textRow = false) {
    EmitterFixture f;
    auto addRow = [&] { return textRow ? f.background.appendRow() : f.addRow(QStringLiteral("组件")); };
    const int never = addRow();
    const int noWidth = addRow();
    f.writeSettings(prefix, noWidth,
                    {{QStringLiteral("高度"), QStringLiteral("30")}, {QStringLiteral("距左"), QStringLiteral("1")}});
    for (const int row : {never, noWidth}) {
        const Emitted out = textRow ? f.runText(emitter, row) : f.run(emitter, row);
        EXPECT_TRUE(out.bytes.empty()) << "row " << row;
        EXPECT_EQ(out.statuses, QStringList{skipText}) << "row " << row;
    }
    EXPECT_TRUE(f.random.ranges.empty());
}

}  // namespace testsupport
