#pragma once

#include "document/CommandState.h"
#include "document/CommandTable.h"

#include <span>
#include <utility>

// One row of the command table as a part of the review defines it: the id,
// its menu text, and the owner's member functions that handle it and answer
// its update rule, each given the id. Without a handler the row only brings
// its text and rule; the pane that executes the command attaches its handler.
template <class Owner>
struct CommandRow {
    int Id;
    const char* Text;
    void (Owner::*Handle)(int);
    CommandState (Owner::*Update)(int) const;
};

template <class Owner>
void DefineCommandRows(CommandTable& commands, Owner& owner, std::span<const CommandRow<Owner>> rows)
{
    for (const CommandRow<Owner>& row : rows) {
        commands.Define(row.Id, row.Text);
        const int id = row.Id;
        CommandTable::Handler handler;
        if (row.Handle)
            handler = [&owner, handle = row.Handle, id] { (owner.*handle)(id); };
        CommandTable::Rule rule;
        if (row.Update)
            rule = [&owner, update = row.Update, id] { return (owner.*update)(id); };
        commands.Attach(id, std::move(handler), std::move(rule));
    }
}
