#pragma once

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

    void OnUpdate(int hint, const CCommandHint* object) override;

    std::vector<int> Hints() const;
    void Clear() { Updates.clear(); }

    std::vector<Update> Updates;
    // Runs after each update is logged, to look at the document at that moment.
    std::function<void(const Update&)> OnEach;
};

}  // namespace testsupport
