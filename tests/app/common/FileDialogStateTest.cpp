#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>

#include "app/common/FileDialogState.h"
#include "core/services/SettingsStore.h"

using namespace quorvane;

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
