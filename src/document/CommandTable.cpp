#include "document/CommandTable.h"

#include <utility>

void CommandTable::Define(int id, std::string text)
{
    const auto [entry, added] = entries_.try_emplace(id);
    entry->second.Text = std::move(text);
    if (added)
        order_.push_back(id);
}

bool CommandTable::Attach(int id, Handler handler, Rule rule)
{
    const auto entry = entries_.find(id);
    if (entry == entries_.end())
        return false;
    entry->second.Handle = std::move(handler);
    if (rule)
        entry->second.Update = std::move(rule);
    return true;
}

bool CommandTable::Contains(int id) const
{
    return entries_.contains(id);
}

const std::string& CommandTable::Text(int id) const
{
    static const std::string none;
    const auto entry = entries_.find(id);
    return entry == entries_.end() ? none : entry->second.Text;
}

CommandState CommandTable::Query(int id) const
{
    const auto entry = entries_.find(id);
    if (entry == entries_.end() || !entry->second.Handle)
        return {};
    if (!entry->second.Update)
        return {true, false};
    return entry->second.Update();
}

bool CommandTable::Run(int id) const
{
    if (!Query(id).Enabled)
        return false;
    // A copy, so that a handler may replace its own entry while it runs.
    const Handler handler = entries_.at(id).Handle;
    handler();
    return true;
}
