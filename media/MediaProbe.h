#pragma once
// Reading facts about a media file without playing it.

#include <QString>

#include <optional>

// Length of the file in seconds as its container gives it; none when the file
// cannot be read as media or gives no length.
std::optional<double> MediaFileDuration(const QString& path);
