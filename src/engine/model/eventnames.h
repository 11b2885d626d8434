// Reading event names such as "M J16 4x-": the number of rowers, whether the
// boat is coxed, and the program's order of events.
#pragma once

#include <string>
#include <string_view>

namespace bm {

// Number of rowers read from an event name (1, 2, 4 or 8; 0 when none).
int RowerCount(std::string_view eventName);
// Whether an event name describes a coxed boat.
bool HasCox(std::string_view eventName);

struct EventNameParts {
    std::string Gender;
    char32_t Category = 0;
    int Level = 0;
    int Rowers = 0;
    bool Sculls = false;
    char Sign = '-';
};
// Reads the parts of an event name such as "M J16 4x-"; false when it cannot.
bool ParseEventName(std::string_view name, EventNameParts& parts);
// True when event a sorts before event b in the program's event order.
bool EventNameBefore(std::string_view a, std::string_view b);

} // namespace bm
