#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/shell/Application.h"
#include "app/shell/CommandLine.h"
#include "app/shell/FormMain.h"
#include "core/services/SettingsStore.h"
#include "support/ModalWatcher.h"

using namespace quorvane;
using Action = CommandLine::Action;

namespace {

CommandLine Read(std::vector<const char*> words)
{
    words.insert(words.begin(), "quorvane");
    return ReadCommandLine(int(words.size()), words.data());
}

} // namespace

TEST(CommandLine, ReadsOnePictureTheInfoOptionsAndQtsOwnOptions)
{
    struct Case {
        std::vector<const char*> words;
        Action action;
        const char* picture;
        const char* error;
    };
    const Case cases[] = {
        {{"cup.png"}, Action::Run, "cup.png", ""},
        {{"-style", "fusion", "cup.png", "-reverse", "--platform=xcb"}, Action::Run, "cup.png", ""},
        {{"--", "-dash.png"}, Action::Run, "-dash.png", ""},
        {{"cup.png", "--bogus", "--help"}, Action::Help, "", ""},
        {{"-v"}, Action::Version, "", ""},
        {{"--", "--help"}, Action::Run, "--help", ""},
        {{"--bogus", "cup.png"}, Action::BadUsage, "cup.png", "unknown option '--bogus'"},
        {{"a.png", "b.png"}, Action::BadUsage, "b.png", "only one picture"},
        {{"cup.png", "-style"}, Action::BadUsage, "cup.png", "option -style needs a value"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Read(c.words);
        SCOPED_TRACE(c.words.front());
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.picture, QString::fromUtf8(c.picture));
        EXPECT_EQ(line.error.substr(0, std::strlen(c.error)), c.error);
    }
}

// The picture named at start-up opens before the update question; one that cannot be
// opened is reported and the sample picture stays.
TEST(FinishStartUp, OpensThePictureOrReportsItThenAsksTheUpdateQuestion)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("cup.png"));
    const QString bad = dir.filePath(QStringLiteral("broken.png"));
    QImage picture(64, 32, QImage::Format_Mono);
    picture.fill(1);
    ASSERT_TRUE(picture.save(good));
    ASSERT_TRUE(QFile(good).copy(bad));
    ASSERT_TRUE(QFile(bad).resize(20)); // the header only

    struct Case {
        QString picture;
        bool opens;
        QStringList boxes;
    };
    const Case cases[] = {{good, true, {"Quorvane"}}, {bad, false, {"Error", "Quorvane"}}};
    for (const Case& c : cases) {
        QFile::remove(SettingsStore().FilePath()); // the update question is due
        Document doc;
        FormMain form(doc);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        const int sampleWidth = doc.PictureWidth;

        QStringList boxes;
        const auto record = [&boxes](QMessageBox& box) {
            boxes.append(box.windowTitle());
            box.reject(); // the question's answer is then No
        };
        ModalWatcher<QMessageBox> first(record);
        ModalWatcher<QMessageBox> second(record);
        FinishStartUp(form, c.picture);
        EXPECT_EQ(boxes, c.boxes) << c.picture.toStdString();
        EXPECT_EQ(doc.PictureWidth, c.opens ? 64 : sampleWidth);
    }
    QFile::remove(SettingsStore().FilePath());
}
