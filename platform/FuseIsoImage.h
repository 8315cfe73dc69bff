#pragma once
// A disc image mounted with fuseiso, the way that needs no service.

#include "platform/ImageMount.h"

// Mounts the image on a folder of its own under the user's runtime folder
// (quorvix-player/<image name>-<random>); throws when it can't.
std::unique_ptr<TImageMount> MountWithFuseIso(const QString& image);
