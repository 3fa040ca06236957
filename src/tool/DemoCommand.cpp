#include "tool/DemoCommand.h"

#include "demo/DemoInstallation.h"
#include "tool/OffscreenGui.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"

#include <cstdint>
#include <limits>

int DemoCommand::Run(const CommandLine& arguments, ToolEnvironment&) const
{
    const auto records = arguments.Value("--records");
    const auto seed = arguments.Value("--seed");
    const int count = records ? static_cast<int>(ParseInteger(*records, 1, MaxRecords, "--records")) : DefaultRecords;
    const auto seedValue = seed ? ParseInteger(*seed, 0, std::numeric_limits<std::int64_t>::max(), "--seed") : 1;

    const OffscreenGui gui;
    DemoInstallation installation(arguments.Positionals()[0], count, static_cast<std::uint64_t>(seedValue));
    if (!installation.Write(ToolEnvironment::SettingsFileName, ToolEnvironment::CodeNotesFileName))
        return Fail(installation.Error());
    for (const DemoRecord& record : installation.Plan().Records)
        PrintFields({"record", std::to_string(static_cast<int>(record.State)), record.Name});
    return ExitSuccess;
}
