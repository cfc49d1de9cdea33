#include "core/services/PageDpiSetting.h"

#include "core/shell/PageResolution.h"

namespace quorvane {

int32_t ReadPageDpiSetting(const SettingsStore& store)
{
    return PageDpiFromText(store.ReadSetting(QString::fromLatin1(kPageDpi))).value_or(kDefaultPageDpi);
}

bool WritePageDpiSetting(SettingsStore& store, int32_t PageDpi)
{
    if (!PortraitPageSize(PageDpi))
        return false;
    return store.WriteSetting(QString::fromLatin1(kPageDpi), QString::number(PageDpi));
}

} // namespace quorvane
