#include "model/misccode.h"

#include "model/textfile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace bm {

namespace {

bool IsContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char UpperAsciiChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Decodes UTF-8 into code points (texts inside the meet are always valid UTF-8).
std::u32string Decode(std::string_view text) {
    std::u32string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < text.size(); --extra, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        result.push_back(cp);
    }
    return result;
}

// Splits a text into tokens at any of the delimiters, skipping empty tokens.
std::vector<std::string_view> Tokens(std::string_view text, std::string_view delimiters) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        pos = text.find_first_not_of(delimiters, pos);
        if (pos == std::string_view::npos)
            break;
        const std::size_t end = text.find_first_of(delimiters, pos);
        tokens.push_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end;
    }
    return tokens;
}

std::uint32_t randomState = 1;

} // namespace

int TextLength(std::string_view text) {
    int length = 0;
    for (char c : text)
        if (!IsContinuationByte(static_cast<unsigned char>(c)))
            ++length;
    return length;
}

std::string FirstChars(std::string_view text, int n) {
    if (n <= 0)
        return {};
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(static_cast<unsigned char>(text[i])))
            continue;
        if (seen == n)
            return std::string(text.substr(0, i));
        ++seen;
    }
    return std::string(text);
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperAsciiChar(c);
    return result;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool Contains(std::string_view text, std::string_view piece) {
    return text.find(piece) != std::string_view::npos;
}

std::string CleanText(std::string_view text) {
    std::string result = IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
    for (char& c : result) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return result;
}

std::string Trimmed(std::string_view text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32 || c == 127; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

int ReadInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool ParseWholeInt(std::string_view text, int& value) {
    const std::string trimmed = Trimmed(text);
    std::size_t i = (!trimmed.empty() && (trimmed[0] == '+' || trimmed[0] == '-')) ? 1 : 0;
    if (i == trimmed.size() || trimmed.size() - i > 10)
        return false;
    for (std::size_t j = i; j < trimmed.size(); ++j)
        if (trimmed[j] < '0' || trimmed[j] > '9')
            return false;
    const long long wide = std::stoll(trimmed);
    if (wide < INT_MIN || wide > INT_MAX)
        return false;
    value = static_cast<int>(wide);
    return true;
}

std::size_t QuotedField(std::string_view line, int k, std::string& out) {
    out.clear();
    std::size_t pos = 0;
    for (int quotes = 0; quotes < 2 * k + 1; ++quotes) {
        pos = line.find('"', pos);
        if (pos == std::string_view::npos)
            return line.size();
        ++pos;
    }
    std::size_t end = line.find('"', pos);
    if (end == std::string_view::npos)
        end = line.size();
    out.assign(line.substr(pos, end - pos));
    return end;
}

std::string QuotedField(std::string_view line, int k) {
    std::string field;
    QuotedField(line, k, field);
    return field;
}

void QuotedFields(std::string_view line, std::span<std::string_view> fields) {
    // The positions of the first quotes are collected without a branch per
    // quote: a large meet file holds hundreds of thousands of them.
    constexpr std::size_t maxQuotes = 64;
    if (2 * fields.size() > maxQuotes) {
        std::string field;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const std::size_t end = QuotedField(line, static_cast<int>(k), field);
            fields[k] = line.substr(end - field.size(), field.size());
        }
        return;
    }
    const std::size_t wanted = 2 * fields.size();
    std::size_t quotes[maxQuotes + 1];
    std::size_t found = 0;
    for (std::size_t i = 0; i < line.size() && found < wanted; ++i) {
        quotes[found] = i;
        found += line[i] == '"';
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (2 * k >= found) {
            fields[k] = {};
            continue;
        }
        const std::size_t open = quotes[2 * k] + 1;
        const std::size_t close = 2 * k + 1 < found ? quotes[2 * k + 1] : line.size();
        fields[k] = line.substr(open, close - open);
    }
}

void PadRight(std::string_view text, int width, std::ostream& out) {
    out << PadText(text, width);
}

void PadLeft(std::string_view text, int width, std::ostream& out) {
    out << PadTextLeft(text, width);
}

std::string PadText(std::string_view text, int width) {
    std::string result(text);
    const int length = TextLength(text);
    if (length < width)
        result.append(static_cast<std::size_t>(width - length), ' ');
    return result;
}

std::string PadTextLeft(std::string_view text, int width) {
    const int length = TextLength(text);
    std::string result;
    if (length < width)
        result.assign(static_cast<std::size_t>(width - length), ' ');
    result.append(text);
    return result;
}

std::string ClockTimeText(int time) {
    if (time < 0)
        return "(NT)";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4.4d", time);
    return buffer;
}

int ClockToMinutes(int clock) {
    return (clock / 100) * 60 + clock % 100;
}

int MinutesToClock(int minutes) {
    const std::int64_t clock = std::int64_t{minutes / 60} * 100 + minutes % 60;
    return static_cast<int>(std::clamp<std::int64_t>(clock, INT_MIN, INT_MAX));
}

std::string MoneyText(std::int64_t amount) {
    if (amount < 0)
        return "-" + MoneyText(-amount);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%2.2lld", static_cast<long long>(amount / 100),
                  static_cast<long long>(amount % 100));
    return buffer;
}

std::int64_t ParseMoney(std::string_view text) {
    // The units end at a blank, line feed, tab, vertical tab or "."; the
    // hundredths follow the character that ended the units.
    constexpr std::string_view unitEnds = " \n\t\v.";
    constexpr std::string_view centEnds = " \n\t\v";
    std::size_t begin = text.find_first_not_of(unitEnds);
    if (begin == std::string_view::npos)
        return 0;
    std::size_t end = text.find_first_of(unitEnds, begin);
    const std::int64_t units =
        ReadInt(text.substr(begin, end == std::string_view::npos ? end : end - begin));
    std::int64_t cents = 0;
    if (end != std::string_view::npos) {
        const std::string_view rest = text.substr(end + 1);
        const std::size_t centBegin = rest.find_first_not_of(centEnds);
        if (centBegin != std::string_view::npos)
            cents = ReadInt(
                rest.substr(centBegin, rest.find_first_of(centEnds, centBegin) - centBegin));
    }
    return units * 100 + cents;
}

void ResetRandom() {
    randomState = 1;
}

int NextRandom() {
    randomState = randomState * 22695477u + 1u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

int RandomBelow(int lo, int hi) {
    return lo + ((NextRandom() >> 7) % (hi - lo));
}

int NextPowerOfTwo(int n) {
    int power = 2;
    while (power < n && power < (1 << 30))
        power *= 2;
    return power;
}

int BitLength(int value) {
    int bits = 0;
    for (unsigned v = value > 0 ? static_cast<unsigned>(value) : 0u; v != 0; v >>= 1)
        ++bits;
    return bits;
}

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

bool IsTrueText(std::string_view text) {
    const std::string upper = UpperAscii(text);
    return upper == "TRUE" || upper == "Y";
}

std::string NameCase(std::string_view text) {
    std::string result;
    for (std::string_view piece : Tokens(text, " \n")) {
        std::string word(piece);
        if (TextLength(word) > 2) {
            for (std::size_t i = 1; i < word.size(); ++i) {
                word[i] = LowerAscii(word[i]);
                if (i >= 2 && word[i - 1] == '-')
                    word[i] = UpperAsciiChar(word[i]);
            }
        }
        if (word == "IN")
            word = "in";
        else if (word == "ON")
            word = "on";
        else if (word == "OF")
            word = "of";
        else if (word == "ST")
            word = "St";
        if (!result.empty())
            result += ' ';
        result += word;
    }
    return result;
}

bool ParseEventName(std::string_view name, EventNameParts& parts) {
    parts = EventNameParts{};
    if (TextLength(name) >= 20)
        return false;
    std::u32string s;
    for (char32_t c : Decode(name))
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
