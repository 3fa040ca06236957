#pragma once

// What one page of a print job shows.
struct PrintedPage {
    enum class Kind { Nothing, Screen, Subpoena, GeneralView, DetailedView, RecordsList };

    Kind What = Kind::Nothing;
    int Lane = 0;              // detailed view: 1 left, 2 middle, 3 right
    int Position = 0;          // general or detailed view: 0-based in the frame list
    bool SecondFrame = false;  // general view: Position + 1 below or beside it
    int FirstRow = 0;          // records list: the first visible row

    bool operator==(const PrintedPage&) const = default;
};
