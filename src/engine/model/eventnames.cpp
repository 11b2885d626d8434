// Reading event names: rowers, cox, and the program's order of events.
#include "engine/model/eventnames.h"

#include "engine/model/text.h"

#include <string>

namespace bm {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

} // namespace

int RowerCount(std::string_view eventName) {
    for (std::size_t i = eventName.size(); i-- > 0;) {
        switch (eventName[i]) {
        case '1':
            return 1;
        case '2':
            return 2;
        case '4':
            return 4;
        case '8':
            return 8;
        default:
            break;
        }
    }
    return 0;
}

bool HasCox(std::string_view eventName) {
    for (std::size_t i = eventName.size(); i-- > 0;) {
        switch (eventName[i]) {
        case '+':
        case '4':
        case '8':
            return true;
        case '-':
        case 'x':
        case '1':
        case '2':
            return false;
        default:
            break;
        }
    }
    return true;
}

bool ParseEventName(std::string_view name, EventNameParts& parts) {
    parts = EventNameParts{};
    if (TextLength(name) >= 20)
        return false;
    std::u32string s;
    for (char32_t c : CodePoints(name))
        if (c != U' ')
            s.push_back(c);
    const std::size_t n = s.size();
    std::size_t category = 0;
    if (n >= 4 && s.compare(0, 3, U"Mix") == 0) {
        parts.Gender = "Mix";
        category = 3;
    } else if (n == 0) {
        return false;
    } else if (s[0] == U'W' || s[0] == U'M') {
        parts.Gender = s[0] == U'W' ? "W" : "M";
        category = 1;
    } else {
        parts.Gender = "M";
    }
    if (category >= n)
        return false;
    parts.Category = s[category];
    std::u32string body = s.substr(category + 1);
    if (!body.empty() && (body.back() == U'-' || body.back() == U'+')) {
        parts.Sign = body.back() == U'-' ? '-' : '+';
        body.pop_back();
    }
    if (!body.empty() && body.back() == U'x') {
        parts.Sculls = true;
        body.pop_back();
    }
    if (!body.empty() && IsDigit(body.back())) {
        parts.Rowers = static_cast<int>(body.back() - U'0');
        body.pop_back();
    }
    if (body.empty()) {
        parts.Level = parts.Category == U'J' ? 18 : 0;
    } else if (body[0] == U'O') {
        parts.Level = 0;
    } else if (body[0] >= U'A' && body[0] <= U'Z') {
        parts.Level = static_cast<int>(body[0] - U'A');
    } else {
        int level = 0;
        for (std::size_t i = 0; i < body.size() && IsDigit(body[i]) && level < 100000000; ++i)
            level = level * 10 + static_cast<int>(body[i] - U'0');
        parts.Level = level;
    }
    return true;
}

bool EventNameBefore(std::string_view a, std::string_view b) {
    EventNameParts pa;
    EventNameParts pb;
    if (!ParseEventName(a, pa) || !ParseEventName(b, pb))
        return false;
    if (pa.Category == U'J')
        pa.Level = 100 - pa.Level;
    if (pb.Category == U'J')
        pb.Level = 100 - pb.Level;
    if (pa.Gender != pb.Gender) {
        if (pa.Gender.size() != pb.Gender.size())
            return pa.Gender.size() < pb.Gender.size();
        return pa.Gender == "M";
    }
    if (pa.Rowers != pb.Rowers)
        return pa.Rowers > pb.Rowers;
    if (pa.Sculls != pb.Sculls)
        return pa.Sculls;
    if (pa.Sign != pb.Sign)
        return pa.Sign == '-';
    if (pa.Category != pb.Category) {
        constexpr std::u32string_view order = U"SNVJ";
        const std::size_t ra = order.find(pa.Category);
        const std::size_t rb = order.find(pb.Category);
        if (rb == std::u32string_view::npos)
            return false;
        if (ra == std::u32string_view::npos)
            return true;
        return ra < rb;
    }
    return pa.Level < pb.Level;
}

} // namespace bm
