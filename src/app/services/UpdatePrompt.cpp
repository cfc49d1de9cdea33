#include "app/services/UpdatePrompt.h"

#include <QString>

#include "app/common/Messages.h"
#include "app/services/WebLinks.h"
#include "core/services/Clock.h"
#include "core/services/SettingsStore.h"
#include "core/services/UpdateRule.h"

namespace quorvane {

namespace {

class MessageBoxQuestion final : public UpdateQuestion {
public:
    explicit MessageBoxQuestion(QWidget* parent)
        : parent_(parent)
    {
    }

    bool AskToVisitWebsite() override
    {
        return AskYesNo(parent_, QStringLiteral("Quorvane"),
                        QStringLiteral("Do you want to visit our website to check if there is "
                                       "a new version released?"));
    }

    void OpenHomePage() override { quorvane::OpenHomePage(); }

private:
    QWidget* parent_;
};

} // namespace

void UpdatePrompt(QWidget* parent)
{
    SettingsStore store;
    const SystemClock clock;
    MessageBoxQuestion question(parent);
    RunUpdatePrompt(store, clock, question);
}

} // namespace quorvane
