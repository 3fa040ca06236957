#pragma once

class CCommandHint;

// A pane registered with the document. object is null for hints that carry
// no command.
class CReviewView {
public:
    virtual ~CReviewView() = default;
    virtual void OnUpdate(int hint, const CCommandHint* object) = 0;
};
