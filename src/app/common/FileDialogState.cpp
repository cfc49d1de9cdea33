#include "app/common/FileDialogState.h"

#include <QSettings>
#include <QTemporaryDir>

namespace quorvane {

void KeepFileDialogStateForThisRun()
{
    // The dialogs use the native settings format; the program's own file is an INI file,
    // whose folder this leaves alone.
    static QTemporaryDir folder;
    if (folder.isValid())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

} // namespace quorvane
