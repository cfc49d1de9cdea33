#include <gtest/gtest.h>

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "app/services/UpdatePrompt.h"
#include "core/services/SettingsStore.h"
#include "core/services/UpdateRule.h"
#include "support/ModalWatcher.h"
#include "support/UrlRecorder.h"

using namespace quorvane;

namespace {

const QUrl kHomePage(QStringLiteral("https://tarnwick.example"));

// Starts with no settings file, answers the question with `button`; returns whether it came.
bool FirstStartAnswering(QMessageBox::StandardButton button, QWidget* owner)
{
    QFile::remove(SettingsStore().FilePath());
    ModalWatcher<QMessageBox> watcher([button, owner](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Quorvane"));
        EXPECT_EQ(box.text(), QStringLiteral("Do you want to visit our website to check if there "
                                             "is a new version released?"));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
        EXPECT_EQ(box.parentWidget(), owner);
        box.button(button)->click();
    });
    UpdatePrompt(owner);
    return watcher.Seen() == 1;
}

} // namespace

TEST(UpdatePrompt, NoOpensNothingYesOpensTheHomePageBothRemember)
{
    UrlRecorder recorder;
    QWidget owner;
    const QString name = QString::fromLatin1(kLastCheckUpdate);
    EXPECT_TRUE(FirstStartAnswering(QMessageBox::No, &owner));
    EXPECT_TRUE(recorder.urls.isEmpty());
    EXPECT_EQ(SettingsStore().ReadSetting(name), FormatStoredDate(QDate::currentDate()));

    EXPECT_TRUE(FirstStartAnswering(QMessageBox::Yes, &owner));
    EXPECT_EQ(recorder.urls, QList<QUrl>{kHomePage});
    EXPECT_EQ(SettingsStore().ReadSetting(name), FormatStoredDate(QDate::currentDate()));
    QFile::remove(SettingsStore().FilePath());
}
