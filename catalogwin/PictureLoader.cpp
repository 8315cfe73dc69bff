#include "catalogwin/PictureLoader.h"

#include <QMetaObject>

TPictureLoader::TPictureLoader(QObject* parent, TDecode decode)
    : QObject(parent), Decode(std::move(decode)) {
    Decoder.setMaxThreadCount(1);
}

TPictureLoader::~TPictureLoader() {
    Cancel(); // requests not yet begun are skipped
    Decoder.waitForDone();
}

void TPictureLoader::Load(const QString& path, QSize box) {
    const uint64_t request = ++Latest;
    ++Outstanding;
    Decoder.start([this, request, path, box] {
        std::optional<TJpegPicture> picture;
        if (request == Latest) {
            try {
                picture = Decode(path, box);
            } catch (...) {
                // Shown as a missing picture is: the default one.
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, request, picture = std::move(picture)] {
                --Outstanding;
                if (request == Latest && OnLoaded)
                    OnLoaded(picture);
            },
            Qt::QueuedConnection);
    });
}
