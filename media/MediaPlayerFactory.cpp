#include "media/MediaPlayer_TLB.h"
#include "media/MpvMediaPlayer.h"

namespace {

TMediaPlayerFactory& CurrentFactory() {
    static TMediaPlayerFactory factory;
    return factory;
}

} // namespace

void SetMediaPlayerFactory(TMediaPlayerFactory factory) {
    CurrentFactory() = std::move(factory);
}

TWinMediaPlayer* CreateMediaPlayer(QWidget* parent, const TMediaPlayerOptions& options) {
    if (CurrentFactory())
        return CurrentFactory()(parent);
    return new TMpvMediaPlayer(parent, options);
}
