#include "generation/template_source.h"

#include "generation/gbk.h"

namespace vitrine {

namespace {

struct Step {
    const char* file;
    QString TemplateSet::*field;
};

// The four files in order, then the retry of the two preview pages.
const Step kSteps[] = {
    {"tyb.txt", &TemplateSet::common},       {"jcb.txt", &TemplateSet::fullScreen},
    {"tmb.txt", &TemplateSet::previewTmall}, {"jsb.txt", &TemplateSet::previewMarket},
    {"tmb.txt", &TemplateSet::previewTmall}, {"jsb.txt", &TemplateSet::previewMarket},
};
constexpr int kFirstRetry = 4;
constexpr int kStepCount = 6;

}  // namespace

TemplateSource::TemplateSource(QObject* parent) : QObject(parent), templates_(builtinTemplates()) {}

QUrl TemplateSource::configuredServer() {
    const QString value = qEnvironmentVariable(kTemplateServerVariable).trimmed();
    if (value.isEmpty()) return {};
    QUrl url(value.endsWith(u'/') ? value : value + u'/');
    return url.isValid() ? url : QUrl();
}

void TemplateSource::start(const QUrl& base, FetchLimits limits) {
    if (base.isEmpty() || running()) return;
    base_ = base;
    limits_ = limits;
    tmallArrived_ = false;
    step_ = 0;
    next();
}

void TemplateSource::next() {
    if (step_ == kFirstRetry && tmallArrived_) step_ = kStepCount;
    if (step_ >= kStepCount) {
        step_ = -1;
        emit finished();
        return;
    }
    const Step step = kSteps[step_];
    httpGet(network_, base_.resolved(QUrl(QString::fromLatin1(step.file))), limits_, this,
            [this, step](const FetchResult& result) {
                if (result.ok && !result.body.isEmpty()) {
                    templates_.*step.field = fromGbk(std::string_view(result.body.constData(),
                                                                      static_cast<std::size_t>(result.body.size())));
                    if (step.field == &TemplateSet::previewTmall) tmallArrived_ = true;
                }
                ++step_;
                next();
            });
}

}  // namespace vitrine
