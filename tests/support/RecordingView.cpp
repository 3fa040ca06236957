#include "RecordingView.h"

#include "document/CCommandHint.h"

namespace testsupport {

void RecordingView::OnUpdate(int hint, const CCommandHint* object)
{
    Update update{hint, object ? std::optional<int>(object->Command) : std::nullopt};
    Updates.push_back(update);
    if (OnEach)
        OnEach(update);
}

std::vector<int> RecordingView::Hints() const
{
    std::vector<int> hints;
    for (const Update& update : Updates)
        hints.push_back(update.Hint);
    return hints;
}

}  // namespace testsupport
