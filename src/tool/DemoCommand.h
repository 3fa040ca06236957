#pragma once

#include "tool/ToolCommand.h"

#include <cstdint>
#include <string>

// `demo DIR`: writes a demo installation, its pictures drawn with Qt's
// painter on the offscreen platform, so that no display is needed.
class DemoCommand : public ToolCommand {
public:
    static constexpr int DefaultRecords = 12;
    static constexpr int MaxRecords = 500;

    std::string Name() const override { return "demo"; }
    std::string Synopsis() const override { return "DIR [--records N] [--seed S]"; }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    std::string directory_;
    std::int64_t records_ = DefaultRecords;
    std::int64_t seed_ = 1;
};
