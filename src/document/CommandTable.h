#pragma once

#include "document/CommandState.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// Every command id with its menu text, its handler and its update rule. Menus,
// keys and buttons all go through Run, so a command whose rule disables it is
// reached by none of them.
class CommandTable {
public:
    using Handler = std::function<void()>;
    using Rule = std::function<CommandState()>;

    // Adds an id with its menu text (with the accelerator after a tab; empty
    // for a command without a menu item). Defining an id again replaces its text.
    void Define(int id, std::string text);
    // Gives a defined id its handler, and its rule when rule is set; without
    // a rule the id keeps the one it has, or is always enabled. False for an
    // id that was never defined.
    bool Attach(int id, Handler handler, Rule rule = nullptr);

    bool Contains(int id) const;
    // The menu text; empty for an unknown id.
    const std::string& Text(int id) const;
    // Disabled and unticked for an unknown id and for one without a handler.
    CommandState Query(int id) const;
    // Runs the handler only when Query enables it; true when it ran.
    bool Run(int id) const;
    // Every defined id in the order of definition.
    const std::vector<int>& Ids() const { return order_; }

private:
    struct Entry {
        std::string Text;
        Handler Handle;
        Rule Update;
    };

    std::unordered_map<int, Entry> entries_;
    std::vector<int> order_;
};
