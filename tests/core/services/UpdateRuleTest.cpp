#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/services/Clock.h"
#include "core/services/SettingsStore.h"
#include "core/services/UpdateRule.h"

using namespace quorvane;

namespace {

const QString kName = QString::fromLatin1(kLastCheckUpdate);
const QDate kToday(2026, 12, 6);

class FixedClock final : public Clock {
public:
    QDate Today() const override { return kToday; }
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
    void StoreDaysAgo(int days) { Store(FormatStoredDate(kToday.addDays(-days))); }
    QString Stored() const { return SettingsStore(store_.FilePath()).ReadSetting(kName); }

    QTemporaryDir dir_;
    SettingsStore store_{dir_.filePath(QStringLiteral("Tarnwick/Quorvane.ini"))};
    AnswersNo question_;
};

} // namespace

TEST_F(UpdateRuleTest, FirstStartAsksAndStoresTodayUnpaddedThenTheSameDayIsQuiet)
{
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
    EXPECT_FALSE(Start());
    EXPECT_EQ(question_.opened, 0);
}

TEST_F(UpdateRuleTest, FifteenDaysAreQuietTheSixteenthAndTomorrowAsk)
{
    StoreDaysAgo(15);
    EXPECT_FALSE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-11-21")); // untouched
    for (const int daysAgo : {16, -1}) {
        StoreDaysAgo(daysAgo);
        EXPECT_TRUE(Start()) << daysAgo;
        EXPECT_EQ(Stored(), QStringLiteral("2026-12-6")) << daysAgo;
    }
}

TEST_F(UpdateRuleTest, StoredTextThatIsNotADateAsksAndIsReplaced)
{
    Store(QStringLiteral("2026-11-31"));
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
    Store(QStringLiteral("2026-12-01")); // zero-padded still reads
    EXPECT_FALSE(Start());
}

TEST_F(UpdateRuleTest, UnwritableFolderAsksAgainAtTheNextStart)
{
    // A plain file where the folder belongs blocks the write, whatever the user's rights.
    QFile blocker(dir_.filePath(QStringLiteral("Tarnwick")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(Start());
    EXPECT_TRUE(Start());
}

TEST(UpdateRule, NothingStoredCountsFromTheFirstOfJanuary2005)
{
    EXPECT_FALSE(IsUpdateDue(QString(), QDate(2005, 1, 16)));
    EXPECT_TRUE(IsUpdateDue(QString(), QDate(2005, 1, 17)));
}
