#pragma once
// The disc's description file, setup.inf: Windows-1251 text like the catalog.

#include <QString>

#include <cstdint>

class TIniFile;

// "Main"/"Volume" of the disc's setup.inf; 0 when the file or key is missing.
int32_t ReadDiscVolume();
// "Main"/"IniFileName" of a disc's setup.inf; "ERROR" when absent.
QString ReadIniFileName(const TIniFile& setup);
