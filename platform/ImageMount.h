#pragma once
// Disc images mounted for the user, without root: through UDisks2 where it
// runs on the system bus (a read-only loop device, as file managers do), else
// with fuseiso in a folder of the user's runtime folder. The disc watch finds
// the mounted disc as it finds any other.

#include <QString>

#include <memory>

class TImageMount {
public:
    explicit TImageMount(const QString& image) : ImagePath(image) {}
    virtual ~TImageMount() = default; // unmounts, as far as it can
    TImageMount(const TImageMount&) = delete;
    TImageMount& operator=(const TImageMount&) = delete;

    QString Image() const { return ImagePath; }
    virtual QString MountPoint() const = 0;
    // Unmounts now, also while a clip on it is still open; throws when the
    // image stays mounted.
    virtual void Unmount() = 0;

private:
    QString ImagePath;
};

// Empty when path is a readable ISO 9660 or UDF image; else why not, for the user.
QString DiscImageProblem(const QString& path);

// Mounts the image until the result is destroyed; throws when it can't.
std::unique_ptr<TImageMount> MountImage(const QString& image);
