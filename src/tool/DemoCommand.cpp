#include "tool/DemoCommand.h"

#include "demo/DemoInstallation.h"
#include "tool/OffscreenGui.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <cstdint>
#include <limits>

void DemoCommand::Declare(CLI::App& command)
{
    command.add_option("DIR", directory_)->required();
    command.add_option("--records", records_)->check(WholeNumber(1, MaxRecords));
    command.add_option("--seed", seed_)->check(WholeNumber(0, std::numeric_limits<std::int64_t>::max()));
}

int DemoCommand::Run(ToolEnvironment&) const
{
    const OffscreenGui gui;
    DemoInstallation installation(directory_, static_cast<int>(records_), static_cast<std::uint64_t>(seed_));
    if (!installation.Write(ToolEnvironment::SettingsFileName, ToolEnvironment::CodeNotesFileName))
        return Fail(installation.Error());
    for (const DemoRecord& record : installation.Plan().Records)
        PrintFields({"record", std::to_string(static_cast<int>(record.State)), record.Name});
    return ExitSuccess;
}
