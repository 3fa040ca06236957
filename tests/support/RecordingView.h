#pragma once

#include "document/CCommandHint.h"
#include "document/CReviewView.h"

#include <functional>
#include <optional>
#include <vector>

namespace testsupport {

// A view that logs every hint with the command it carries, in order.
class RecordingView : public CReviewView {
public:
    struct Update {
        int Hint = 0;
        std::optional<int> Command;

        bool operator==(const Update&) const = default;
    };

    void OnUpdate(int hint, const CCommandHint* object) override
    {
        Updates.push_back({hint, object ? std::optional<int>(object->Command) : std::nullopt});
        if (OnEach)
            OnEach();
    }

    std::vector<int> Hints() const
    {
        std::vector<int> hints;
        for (const Update& update : Updates)
            hints.push_back(update.Hint);
        return hints;
    }

    std::vector<Update> Updates;
    // Runs after each update is logged, to look at the document at that moment.
    std::function<void()> OnEach;
};

}  // namespace testsupport
