#pragma once
// The names in the settings files, and what a missing one reads as. A disc's
// setup.inf and the per-user file it names are made on Windows too: these
// names are theirs, byte for byte.

#include <QString>

#include <cstdint>

namespace Schema {

// What a missing text reads as, here and on Windows.
inline constexpr char Missing[] = "ERROR";

// setup.inf, in the disc's root.
inline constexpr char SetupFile[] = "setup.inf";
inline constexpr char MainSection[] = "Main";
inline constexpr char DiscVolumeKey[] = "Volume"; // 0 when missing
inline constexpr char IniFileNameKey[] = "IniFileName";

// The per-user file setup.inf names: a section for each disc volume.
inline QString VolumeSection(int32_t volume) {
    return QStringLiteral("Volume") + QString::number(volume);
}
inline constexpr char WorkDirKey[] = "WorkDir";
inline constexpr char FavFileNameKey[] = "FavFileName"; // WorkDir's "Favorites.lst" when missing
inline constexpr char DefaultFavFile[] = "Favorites.lst";
inline constexpr char LeftKey[] = "left"; // the catalog window's frame; 0 when missing
inline constexpr char TopKey[] = "top";
inline constexpr char WidthKey[] = "width";
inline constexpr char HeightKey[] = "height";
inline constexpr char LastEntryKey[] = "LastEntry"; // -1 when missing
inline constexpr char LastPositionKey[] = "LastPosition";

// The program's own file, shared by every disc.
inline constexpr char PlayerSection[] = "Player";
inline constexpr char VideoKey[] = "Video"; // auto, opengl or software
inline constexpr char DefaultVideo[] = "auto";
inline constexpr char HardwareDecodingKey[] = "HardwareDecoding"; // auto or no
inline constexpr char DefaultHardwareDecoding[] = "auto";
inline constexpr char VolumeKey[] = "Volume"; // the knob's share of its travel
inline constexpr char MuteKey[] = "Mute";     // 0 or 1
inline constexpr char DefaultMute[] = "0";

} // namespace Schema
