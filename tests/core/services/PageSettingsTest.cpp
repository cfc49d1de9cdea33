#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/services/PageSettings.h"
#include "core/services/SettingsStore.h"

using namespace quorvane;

// The stored text as it reads back: only the three resolutions, written exactly, count.
TEST(PageDpiSetting, StoredTextReadsAsAResolutionOr144)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Quorvane.ini")));
    EXPECT_EQ(ReadPageDpiSetting(store), 144); // nothing stored yet
    const std::pair<const char*, int32_t> rows[] = {
        {"300", 300}, {"600", 600}, {"144", 144}, {"72", 144}, {"0600", 144},
        {" 300", 144}, {"600dpi", 144}, {"", 144}, {"9999999999999", 144}};
    for (const auto& [text, read] : rows) {
        ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kPageDpi), QString::fromLatin1(text)));
        EXPECT_EQ(ReadPageDpiSetting(store), read) << text;
    }
    EXPECT_FALSE(WritePageDpiSetting(store, 200)); // not a page resolution: nothing written
    EXPECT_TRUE(WritePageDpiSetting(store, 600));
    EXPECT_EQ(ReadPageDpiSetting(store), 600);
}
