#include "tool/ExportCommand.h"

#include "records/RecordDirectory.h"
#include "records/RecordsListing.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"

int ExportCommand::Run(const CommandLine& arguments, ToolEnvironment& environment) const
{
    const std::string& chosenPath = arguments.Positionals()[0];
    const auto records = environment.OpenRecords();
    if (!WriteRecordsListing(*records, environment.CodeNotes(), chosenPath))
        return Fail(ListingPath(chosenPath) + ": cannot write the records listing");
    return ExitSuccess;
}
