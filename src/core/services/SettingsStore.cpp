#include "core/services/SettingsStore.h"

#include <utility>

#include <QSettings>
#include <QVariant>

namespace quorvane {

SettingsStore::SettingsStore()
    : filePath_(QSettings(QSettings::IniFormat, QSettings::UserScope,
                          QString::fromLatin1(kSettingsOrganisation),
                          QString::fromLatin1(kSettingsApplication))
                    .fileName())
{
}

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath))
{
}

QString SettingsStore::ReadSetting(const QString& name) const
{
    const QSettings settings(filePath_, QSettings::IniFormat);
    const QVariant stored = settings.value(name);
    if (stored.typeId() != QMetaType::QString)
        return {};
    QString text = stored.toString();
    if (text.isEmpty())
        return text;
    // Text written by a C-style writer may carry its terminating zero.
    if (text.front() == QChar(0))
        return {};
    if (text.back() == QChar(0))
        text.chop(1);
    return text;
}

bool SettingsStore::WriteSetting(const QString& name, const QString& text)
{
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(name, text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace quorvane
