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
    QDate Today() const override { return today; }
    QDate today = kToday;
};

class RecordingQuestion final : public UpdateQuestion {
public:
    bool AskToVisitWebsite() override
    {
        ++asked;
        return answerYes;
    }
    void OpenHomePage() override { ++opened; }

    bool answerYes = false;
    int asked = 0;
    int opened = 0;
};

class UpdateRuleTest : public testing::Test {
protected:
    // One start of the program: returns whether the question came.
    bool Start() { return RunUpdatePrompt(store_, clock_, question_); }
    void Store(const QString& text) { ASSERT_TRUE(store_.WriteSetting(kName, text)); }
    QString Stored() const { return SettingsStore(store_.FilePath()).ReadSetting(kName); }
    void StoreDaysAgo(int days) { Store(FormatStoredDate(kToday.addDays(-days))); }

    QTemporaryDir dir_;
    SettingsStore store_{dir_.filePath(QStringLiteral("Tarnwick/Quorvane.ini"))};
    FixedClock clock_;
    RecordingQuestion question_;
};

} // namespace

TEST_F(UpdateRuleTest, FirstStartAsksAndStoresTodayThenTheSameDayDoesNot)
{
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
    EXPECT_FALSE(Start());
    EXPECT_EQ(question_.asked, 1);
}

TEST_F(UpdateRuleTest, FifteenDaysAreQuietTheSixteenthAsks)
{
    StoreDaysAgo(15);
    EXPECT_FALSE(Start());
    EXPECT_EQ(Stored(), FormatStoredDate(kToday.addDays(-15))); // untouched

    StoreDaysAgo(16);
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
}

TEST_F(UpdateRuleTest, DaysAreCountedAcrossTheYearEnd)
{
    Store(QStringLiteral("2025-12-20"));
    clock_.today = QDate(2026, 1, 4);
    EXPECT_FALSE(Start());
    clock_.today = QDate(2026, 1, 5);
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-1-5"));
}

TEST_F(UpdateRuleTest, DateInTheFutureAsksAndBecomesToday)
{
    StoreDaysAgo(-1);
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
}

TEST_F(UpdateRuleTest, OnlyYesOpensTheHomePageAndEitherAnswerStoresToday)
{
    question_.answerYes = false;
    EXPECT_TRUE(Start());
    EXPECT_EQ(question_.opened, 0);
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));

    StoreDaysAgo(16);
    question_.answerYes = true;
    EXPECT_TRUE(Start());
    EXPECT_EQ(question_.opened, 1);
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
}

TEST_F(UpdateRuleTest, ZeroCharactersInTheStoredDate)
{
    Store(FormatStoredDate(kToday.addDays(-3)) + QChar(0));
    EXPECT_FALSE(Start());

    Store(QChar(0) + FormatStoredDate(kToday.addDays(-3)));
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored(), QStringLiteral("2026-12-6"));
}

TEST_F(UpdateRuleTest, TextThatIsNotADateAsksAndIsReplaced)
{
    for (const char* text : {"yesterday", "2026-2-30", "12/01/2026", " 2026-12-1"}) {
        Store(QString::fromLatin1(text));
        EXPECT_TRUE(Start()) << text;
        EXPECT_EQ(Stored(), QStringLiteral("2026-12-6")) << text;
    }
}

TEST_F(UpdateRuleTest, UnwritableFolderAsksAgainAtTheNextStart)
{
    QFile blocker(dir_.filePath(QStringLiteral("Tarnwick")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(Start());
    EXPECT_TRUE(Start());
    EXPECT_EQ(question_.asked, 2);
}

TEST(StoredDate, WrittenWithoutLeadingZerosAndReadWithOrWithout)
{
    EXPECT_EQ(FormatStoredDate(QDate(2026, 1, 5)), QStringLiteral("2026-1-5"));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("2005-1-1")), QDate(2005, 1, 1));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("2005-01-09")), QDate(2005, 1, 9));
    EXPECT_EQ(ParseStoredDate(QStringLiteral("2026-11-30")), QDate(2026, 11, 30));
    EXPECT_FALSE(ParseStoredDate(QStringLiteral("")).has_value());
    EXPECT_FALSE(ParseStoredDate(QStringLiteral("2026-13-1")).has_value());
}

TEST(StoredDate, NothingStoredCountsFromTheFirstOfJanuary2005)
{
    EXPECT_FALSE(IsUpdateDue(QString(), QDate(2005, 1, 16)));
    EXPECT_TRUE(IsUpdateDue(QString(), QDate(2005, 1, 17)));
}
