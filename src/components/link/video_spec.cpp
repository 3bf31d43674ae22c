#include "components/link/video_spec.h"

#include "components/link/video.h"
#include "components/platform_hosts.h"
#include "document/layer.h"

namespace vitrine::video {
using namespace Qt::StringLiterals;
using namespace properties;

namespace {

const QString kMovieField = u"编辑框_视频地址"_s;

WindowSpec build() {
    WindowSpec w;
    w.caption = u"视频属性设置"_s;
    w.size = {270, 261};

    w.fields = geometryFields();
    // An emptied address takes the default back at once, so no row holds none.
    w.fields.push_back(
        {.name = kMovieField, .caption = u"视频地址"_s, .initial = hosts::kDefaultVideo, .whenEmpty = hosts::kDefaultVideo});

    w.load = fromColumns({{kSavedField, col::Saved}, {kMovieField, Movie}});
    append(w.load, geometryFromItem());
    w.save = geometryToColumns();
    append(w.save, toColumns({{kMovieField, Movie}}));
    // Nothing is fetched and the status bar is left as it is.
    return w;
}

}  // namespace

const WindowSpec* windowSpec() { return builtOnce<build>(); }

}  // namespace vitrine::video
