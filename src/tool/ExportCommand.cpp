#include "tool/ExportCommand.h"

#include "records/RecordDirectory.h"
#include "records/RecordsListing.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"

#include <CLI/App.hpp>

void ExportCommand::Declare(CLI::App& command)
{
    command.add_option("OUT", out_)->required();
}

int ExportCommand::Run(ToolEnvironment& environment) const
{
    const auto records = environment.OpenRecords();
    if (!WriteRecordsListing(*records, environment.CodeNotes(), out_))
        return Fail(ListingPath(out_) + ": cannot write the records listing");
    return ExitSuccess;
}
