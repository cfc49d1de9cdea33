#include "app/shell/SaveQuestion.h"

#include "app/common/Messages.h"

namespace quorvane {

bool MayCloseWork(QWidget* parent, bool unsaved, const std::function<bool()>& save)
{
    if (!unsaved)
        return true;
    switch (AskSaveChanges(parent)) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

} // namespace quorvane
