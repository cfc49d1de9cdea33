#include "core/output/SaveNames.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(SaveNames, FormatComesFromTheLastFourCharactersInAnyCase)
{
    struct Row {
        const char* name;
        std::optional<PageFileFormat> format;
    };
    const Row rows[] = {
        {"/home/u/Pictures/Sheet.JPG", PageFileFormat::Jpg},
        {"page.Png", PageFileFormat::Png},
        {"page.gif", PageFileFormat::Gif},
        {"page.bMp", PageFileFormat::Bmp},
        {".jpg", PageFileFormat::Jpg},
        {"page.jpeg", std::nullopt},
        {"page.tif", std::nullopt},
        {"page", std::nullopt},
        {"jpg", std::nullopt},
        {"page.png.tmp", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatOfFileName(QString::fromUtf8(row.name)), row.format);
    }
}

TEST(SaveNames, FolderKeepsItsFinalSeparator)
{
    EXPECT_EQ(FolderOfFileName(QStringLiteral("/home/u/Pictures/Sheet.JPG")), QStringLiteral("/home/u/Pictures/"));
    EXPECT_EQ(FolderOfFileName(QStringLiteral("/home/u/Pictures/sheet.jpeg")), QStringLiteral("/home/u/Pictures/"));
    EXPECT_EQ(FolderOfFileName(QStringLiteral("/page.png")), QStringLiteral("/"));
    EXPECT_EQ(FolderOfFileName(QStringLiteral("page.png")), QString());
}

} // namespace
} // namespace quorvane
