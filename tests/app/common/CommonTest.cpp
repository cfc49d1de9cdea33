// The helpers every window uses: screen fitting, file filters, file dialog state.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>

#include "app/common/DialogGeometry.h"
#include "app/common/FileDialogState.h"
#include "app/common/FileFilters.h"
#include "core/services/SettingsStore.h"

using namespace quorvane;

// size, minimum, frame, free area -> geometry
TEST(FitOnScreen, ShrinksIntoTheFreeAreaNeverBelowTheMinimumWithTheFrameInside)
{
    EXPECT_EQ(FitOnScreen({853, 515}, {}, {0, 30}, {0, 0, 1920, 1080}), QRect(533, 282, 853, 515));
    EXPECT_EQ(FitOnScreen({853, 515}, {}, {0, 30}, {0, 0, 960, 540}), QRect(53, 0, 853, 510));
    EXPECT_EQ(FitOnScreen({809, 450}, {}, {10, 30}, {64, 27, 896, 513}), QRect(107, 59, 809, 450));
    EXPECT_EQ(FitOnScreen({853, 515}, {700, 520}, {0, 30}, {0, 0, 640, 360}), QRect(0, 0, 700, 515));
}

TEST(FileFilters, PatternsMoveIntoTheCaptionsParentheses)
{
    EXPECT_EQ(ToQtNameFilters(QStringLiteral("PNG format (*.png)|*.png|JPG format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                                             "TIF format (*.tif;tiff)|*.tif;*.tiff|BMP format|*.bmp")),
              (QStringList{QStringLiteral("PNG format (*.png)"), QStringLiteral("JPG format (*.jpg *.jpeg)"),
                           QStringLiteral("TIF format (*.tif *.tiff)"), QStringLiteral("BMP format (*.bmp)")}));
}

// The test program's own configuration folder stands for the user's.
TEST(FileDialogState, DialogsLeaveNoSettingsFileOfTheirOwn)
{
    const QDir configHome(qEnvironmentVariable("XDG_CONFIG_HOME"));
    KeepFileDialogStateForThisRun();
    {
        QFileDialog dialog(nullptr, QStringLiteral("Save"), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        dialog.reject();
    } // a dialog writes its state as it goes
    EXPECT_EQ(configHome.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    // The program's own file stays where it was.
    EXPECT_EQ(SettingsStore().FilePath(), configHome.filePath(QStringLiteral("Tarnwick/Quorvane.ini")));
}
