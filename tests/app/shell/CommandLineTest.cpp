#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "app/shell/Application.h"
#include "app/shell/CommandLine.h"
#include "app/shell/FormMain.h"
#include "core/services/SettingsStore.h"
#include "support/ModalWatcher.h"
#include "support/RunProgram.h"

using namespace quorvane;
using Action = CommandLine::Action;

TEST(CommandLine, ReadsOnePictureTheInfoOptionsAndQtsOwnOptions)
{
    std::tuple<std::vector<const char*>, Action, const char*, std::string> cases[] = {
        {{"cup.png"}, Action::Run, "cup.png", ""},
        {{"-style", "fusion", "cup.png", "-reverse", "--platform=xcb"}, Action::Run, "cup.png", ""},
        {{"cup.png", "--bogus", "--help"}, Action::Help, "", ""},
        {{"-v"}, Action::Version, "", ""},
        {{"--", "--help"}, Action::Run, "--help", ""},
        {{"a.png", "b.png"}, Action::BadUsage, "b.png", "only one picture"},
        {{"cup.png", "-style"}, Action::BadUsage, "cup.png", "option -style needs a value"},
    };
    for (auto& [words, action, picture, error] : cases) {
        words.insert(words.begin(), "quorvane");
        const CommandLine line = ReadCommandLine(int(words.size()), words.data());
        EXPECT_EQ(line.action, action) << words[1];
        EXPECT_EQ(line.picture, QString::fromUtf8(picture)) << words[1];
        EXPECT_TRUE(line.error.starts_with(error)) << line.error;
    }
}

// The picture named at start-up opens before the update question, as no step to undo; one
// that cannot be opened is reported and the sample picture stays.
TEST(FinishStartUp, OpensThePictureOrReportsItThenAsksTheUpdateQuestion)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("cup.png"));
    const QString bad = dir.filePath(QStringLiteral("broken.png"));
    ASSERT_TRUE(QImage(64, 32, QImage::Format_RGB32).save(good));
    ASSERT_TRUE(WriteFileBytes(bad, "\x89PNG\r\n\x1a\n")); // the signature only

    FormMain form;
    const int sampleWidth = form.Doc().PictureImage.width();
    QStringList boxes;
    const auto startUp = [&form, &boxes](const QString& picture) {
        boxes.clear();
        QFile::remove(SettingsStore().FilePath()); // the update question is due
        const auto record = [&boxes](QMessageBox& box) {
            boxes.append(box.windowTitle());
            box.reject(); // the question's answer is then No
        };
        ModalWatcher<QMessageBox> first(record);
        ModalWatcher<QMessageBox> second(record);
        FinishStartUp(form, picture);
    };
    startUp(bad);
    EXPECT_EQ(boxes.join(", ").toStdString(), "Error, Quorvane");
    EXPECT_EQ(form.Doc().PictureImage.width(), sampleWidth);
    startUp(good);
    EXPECT_EQ(boxes.join(", ").toStdString(), "Quorvane");
    EXPECT_EQ(form.Doc().PictureImage.width(), 64);
    EXPECT_FALSE(form.History().Stack().canUndo());

    const QString layout = dir.filePath(QStringLiteral("cup.quorvane"));
    ASSERT_TRUE(form.SaveLayout(layout));
    ASSERT_TRUE(form.OpenPicture(form.AppFolders().ObjectFolder + QStringLiteral("tyrannosaurus.png")));
    startUp(layout); // a layout opens as Open Layout opens it
    EXPECT_EQ(boxes.join(", ").toStdString(), "Quorvane");
    EXPECT_EQ(form.Doc().PictureImage.width(), 64);
    QFile::remove(SettingsStore().FilePath());
}
