#include "core/services/PageSettings.h"

#include "core/shell/PageResolution.h"

namespace quorvane {

SheetMapping ReadMappingSetting(const SettingsStore& store)
{
    return store.ReadSetting(QString::fromLatin1(kExactPerspective)) == QLatin1String("1") ? SheetMapping::Exact
                                                                                          : SheetMapping::Bilinear;
}

int32_t ReadPageDpiSetting(const SettingsStore& store)
{
    return PageDpiFromText(store.ReadSetting(QString::fromLatin1(kPageDpi))).value_or(kDefaultPageDpi);
}

PaperFormat ReadPaperFormatSetting(const SettingsStore& store)
{
    return FormatOfName(store.ReadSetting(QString::fromLatin1(kPaperFormat))).value_or(PaperFormat::A4);
}

bool ReadSwitchSetting(const SettingsStore& store, const char* key)
{
    return store.ReadSetting(QString::fromLatin1(key)) == QLatin1String("1");
}

bool WriteMappingSetting(SettingsStore& store, SheetMapping mapping)
{
    return store.WriteSetting(QString::fromLatin1(kExactPerspective),
                              mapping == SheetMapping::Exact ? QStringLiteral("1") : QStringLiteral("0"));
}

bool WritePageDpiSetting(SettingsStore& store, int32_t PageDpi)
{
    if (!PageDpiFromText(QString::number(PageDpi)))
        return false;
    return store.WriteSetting(QString::fromLatin1(kPageDpi), QString::number(PageDpi));
}

bool WritePaperFormatSetting(SettingsStore& store, PaperFormat format)
{
    return store.WriteSetting(QString::fromLatin1(kPaperFormat), FormatName(format));
}

bool WriteSwitchSetting(SettingsStore& store, const char* key, bool on)
{
    return store.WriteSetting(QString::fromLatin1(key), on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace quorvane
