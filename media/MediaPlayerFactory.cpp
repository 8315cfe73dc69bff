#include "media/MediaPlayer_TLB.h"
#include "shell/Exceptions.h"

namespace {

TMediaPlayerFactory& CurrentFactory() {
    static TMediaPlayerFactory factory;
    return factory;
}

} // namespace

void SetMediaPlayerFactory(TMediaPlayerFactory factory) {
    CurrentFactory() = std::move(factory);
}

TWinMediaPlayer* CreateMediaPlayer(QWidget* parent) {
    if (CurrentFactory())
        return CurrentFactory()(parent);
    (void)parent;
    throw Exception("No playback engine");
}
