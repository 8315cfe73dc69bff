#include "catalog/SetupInf.h"

#include "catalog/CatalogRecord.h"
#include "platform/IniFile.h"
#include "platform/SettingsSchema.h"
#include "shell/Pathes.h"

int32_t ReadDiscVolume() {
    return TIniFile(LocateFile(Schema::SetupFile))
        .ReadInteger(Schema::MainSection, Schema::DiscVolumeKey, 0);
}

QString ReadIniFileName(const TIniFile& setup) {
    return AnsiToQString(
        setup.ReadString(Schema::MainSection, Schema::IniFileNameKey, Schema::Missing)
            .toStdString());
}
