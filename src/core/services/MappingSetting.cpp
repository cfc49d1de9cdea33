#include "core/services/MappingSetting.h"

namespace quorvane {

SheetMapping ReadMappingSetting(const SettingsStore& store)
{
    return store.ReadSetting(QString::fromLatin1(kExactPerspective)) == QLatin1String("1") ? SheetMapping::Exact
                                                                                          : SheetMapping::Bilinear;
}

bool WriteMappingSetting(SettingsStore& store, SheetMapping mapping)
{
    return store.WriteSetting(QString::fromLatin1(kExactPerspective),
                              mapping == SheetMapping::Exact ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace quorvane
