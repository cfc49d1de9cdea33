#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/services/Clock.h"
#include "core/services/SettingsStore.h"
#include "core/services/UpdateRule.h"
#include "support/Files.h"

using namespace quorvane;

namespace {

const QString kName = QString::fromLatin1(kLastCheckUpdate);
class FixedClock final : public Clock {
public:
    QDate Today() const override { return {2026, 12, 6}; }
};

class AnswersNo final : public UpdateQuestion {
public:
    bool AskToVisitWebsite() override { return false; }
    void OpenHomePage() override { ++opened; }

    int opened = 0;
};

class UpdateRuleTest : public testing::Test {
protected:
    // One start of the program: whether the question came.
    bool Start() { return RunUpdatePrompt(store_, FixedClock(), question_); }
    void Store(const QString& text) { ASSERT_TRUE(store_.WriteSetting(kName, text)); }
    QString Stored() const { return SettingsStore(store_.FilePath()).ReadSetting(kName); }

    QTemporaryDir dir_;
    SettingsStore store_{dir_.filePath(QStringLiteral("Tarnwick/Quorvane.ini"))};
    AnswersNo question_;
};

} // namespace

// Each start in turn: what was stored before it, whether the question came, what is stored after.
TEST_F(UpdateRuleTest, AsksAtTheFirstStartAfterFifteenDaysOrOnAnUnusableDateAndStoresToday)
{
    const struct { const char* before; bool asks; const char* after; } starts[] = {
        {nullptr, true, "2026-12-6"}, // the first start; today unpadded
        {"2026-12-6", false, "2026-12-6"},
        {"2026-11-21", false, "2026-11-21"}, // fifteen days ago: untouched
        {"2026-11-20", true, "2026-12-6"},
        {"2026-12-7", true, "2026-12-6"}, // tomorrow: the clock was turned back
        {"2026-11-31", true, "2026-12-6"}, // no such day
        {"2026-12-01", false, "2026-12-01"}, // zero-padded still reads
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.before ? start.before : "nothing stored");
        if (start.before)
            Store(QString::fromLatin1(start.before));
        EXPECT_EQ(Start(), start.asks);
        EXPECT_EQ(Stored(), QString::fromLatin1(start.after));
    }
    EXPECT_EQ(question_.opened, 0);
}

TEST_F(UpdateRuleTest, UnwritableFolderAsksAgainAtTheNextStart)
{
    // A plain file where the folder belongs blocks the write, whatever the user's rights.
    ASSERT_TRUE(WriteFileBytes(dir_.filePath(QStringLiteral("Tarnwick")), {}));
    EXPECT_TRUE(Start());
    EXPECT_TRUE(Start());
}
