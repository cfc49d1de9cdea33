#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>

#include "app/services/FormHelp.h"
#include "app/services/UpdatePrompt.h"
#include "core/services/SettingsStore.h"
#include "core/services/UpdateRule.h"
#include "support/ModalWatcher.h"
#include "support/UrlRecorder.h"

using namespace quorvane;

// When the question is due is the update rule's own test; here a first start asks it.
TEST(UpdatePrompt, NoOpensNothingYesOpensTheHomePageBothRemember)
{
    UrlRecorder recorder;
    QWidget owner;
    const std::pair<QMessageBox::StandardButton, QList<QUrl>> answers[] = {
        {QMessageBox::No, {}}, {QMessageBox::Yes, {QUrl(QStringLiteral("https://tarnwick.example"))}}};
    for (const auto& [answer, urls] : answers) {
        QFile::remove(SettingsStore().FilePath());
        ModalWatcher<QMessageBox> watcher([answer, &owner](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Quorvane"));
            EXPECT_EQ(box.text(), QStringLiteral("Do you want to visit our website to check if there "
                                                 "is a new version released?"));
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            box.button(answer)->click();
        });
        UpdatePrompt(&owner);
        EXPECT_EQ(watcher.Seen(), 1);
        EXPECT_EQ(recorder.urls, urls);
        EXPECT_EQ(SettingsStore().ReadSetting(QString::fromLatin1(kLastCheckUpdate)),
                  FormatStoredDate(QDate::currentDate()));
    }
    QFile::remove(SettingsStore().FilePath());
}

// Help shows the guide installed beside the program, in one window however often it is asked.
TEST(Help, ShowsTheInstalledGuideInOneWindow)
{
    QWidget owner;
    ShowHelp(&owner);
    ShowHelp(&owner);
    const QList<FormHelp*> windows = owner.findChildren<FormHelp*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    const QString guide = windows[0]->Guide()->toPlainText();
    for (const char* section : {"The main window", "The designer", "Generating the page", "Saving and printing",
                                "Setting up the illusion", "Layouts", "Without a window: quorvane-cli"})
        EXPECT_TRUE(guide.contains(QLatin1String(section))) << section;
}
