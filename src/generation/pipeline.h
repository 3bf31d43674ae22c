#pragma once
// "生成代码": the layout turned into one block of HTML. The pipeline runs to
// the end in one call and processes no window events meanwhile, so nothing
// the user does can change the layout under it; the editor puts the code on
// the clipboard, writes the preview page and shows the status texts.

#include "document/layer.h"
#include "document/settings_file.h"
#include "generation/emitter.h"
#include "generation/template_set.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace vitrine {

inline const QString kEmitterPaused = QStringLiteral("暂停");
inline const QString kEmitterStarted = QStringLiteral("开始");

// Finds the emitter of a component kind; null for kinds without one.
using EmitterLookup = std::function<Emitter(const QString& kind)>;

struct GenerationInput {
    const ComponentLayer& components;
    const BackgroundLayer& background;
    const SettingsFolder* settings;  // may be null: kinds with settings files then read nothing
    const TemplateSet& templates;
    RandomSource& random;
    EmitterLookup emitterFor;      // the editor passes emitterFor of components/kinds.h
    Emitter textEmitter = nullptr;  // the editor passes textKind().emitter
};

struct GenerationResult {
    // The module settings lack their horizontal position: nothing generated.
    bool refused = false;
    std::string codeGbk;        // the generated code, GBK bytes
    QString code;               // the same, for the clipboard
    QByteArray preview;         // the preview page, GBK bytes for "yl.htm"
    QStringList statuses;       // status texts in the order they were shown
    QString emitterState;       // "开始" after at least one emitter ran
};

GenerationResult generate(const GenerationInput& input);

// The status texts of the driver.
inline const QString kStatusModule = QStringLiteral("正在生成模块背景...");
inline const QString kStatusRefused = QStringLiteral("您未配置 全局设置 里面的数属性，不能生成代码...");
inline const QString kStatusComponents = QStringLiteral("正在生成组件代码...");
inline const QString kStatusDone = QStringLiteral("代码生成完毕，并已复制到剪切板...");

}  // namespace vitrine
