#pragma once

#include <optional>
#include <string>

namespace testsupport {

// Sets TZ (and calls tzset) for the lifetime of the object, then restores the
// previous value, or its absence.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const std::string& zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace testsupport
