#pragma once
// What a component's emitter sees of a generation: the current row, the
// settings folder, the code buffer, the status bar and the random source.
// Emitters read only stored data, never an open window.

#include "document/layer.h"
#include "document/settings_file.h"

#include <QString>
#include <QStringList>
#include <random>
#include <string>
#include <string_view>

namespace vitrine {

// Uniform random integers; tests seed it or replace it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer in [low, high].
    virtual int uniform(int low, int high) = 0;
};

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = std::random_device{}()) : engine_(seed) {}
    int uniform(int low, int high) override { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    std::mt19937 engine_;
};

// The text every kind but the carousel shows when it skips an unsaved component.
inline const QString kUnsavedSkipText = QStringLiteral("发现未保存设置的图片组件，已被忽略...");

class EmitContext {
public:
    EmitContext(const Layer& layer, int row, const SettingsFolder* folder, std::string& code, QStringList& statuses,
                RandomSource& random)
        : layer_(layer), row_(row), folder_(folder), code_(code), statuses_(statuses), random_(random) {}

    int row() const { return row_; }
    // A cell of the current row.
    QString cell(int column) const { return layer_.getCell(row_, column); }
    // The current row's settings file of the kind with `prefix`, read once.
    SettingsSnapshot settings(QStringView prefix) const {
        return SettingsSnapshot(folder_ ? folder_->filePath(prefix, row_) : QString());
    }
    void append(std::string_view gbk) { code_.append(gbk); }
    void status(const QString& text) { statuses_.append(text); }
    int random(int low, int high) { return random_.uniform(low, high); }

private:
    const Layer& layer_;
    int row_;
    const SettingsFolder* folder_;
    std::string& code_;
    QStringList& statuses_;
    RandomSource& random_;
};

// An emitter appends its component's filled template to the code, or shows
// its skip text when the component was never saved.
using Emitter = void (*)(EmitContext&);

}  // namespace vitrine
