#pragma once

// Where a print job starts: every job opens in the print preview of the main
// view first, which lays out the pages of the print request.
class PrintPreview {
public:
    virtual ~PrintPreview() = default;

    // Opens the preview after the command that asked for it has ended.
    virtual void StartPrintPreview() = 0;
};
