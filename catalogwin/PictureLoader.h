#pragma once
// Entry pictures decoded on a thread of their own, one at a time: a large
// picture never holds up the windows, and only the latest request is shown.

#include "platform/JpegImage.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

class TPictureLoader : public QObject {
    Q_OBJECT
public:
    using TDecode = std::function<TJpegPicture(const QString& path, QSize box)>;
    explicit TPictureLoader(QObject* parent = nullptr, TDecode decode = LoadJpegFile);
    ~TPictureLoader() override; // waits for a decode under way

    // Called on the thread the loader belongs to, with the picture of the
    // latest request, or with none when that file can't be shown.
    std::function<void(const std::optional<TJpegPicture>&)> OnLoaded;

    void Load(const QString& path, QSize box);
    // The latest request is no longer wanted.
    void Cancel() { ++Latest; }
    // Some request, wanted or not, has not come back yet.
    bool Busy() const { return Outstanding > 0; }

private:
    TDecode Decode;
    QThreadPool Decoder;
    std::atomic<uint64_t> Latest = 0; // number of the latest request
    int Outstanding = 0;
};
