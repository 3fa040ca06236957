#pragma once

// What selecting a record by its name found: no visible record of that name,
// more than one (the same name in two of the root's directories), or the one
// row that is now selected.
struct NameSelection {
    enum class Outcome { None, Ambiguous, Selected };

    Outcome Result = Outcome::None;
    int Row = -1;  // the selected visible row; -1 unless Selected
};
