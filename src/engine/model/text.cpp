// Characters, letter case, numbers, quoted fields and padding of UTF-8 texts.
#include "engine/model/text.h"

#include "engine/model/textfile.h"

#include <charconv>
#include <climits>
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

} // namespace

std::u32string CodePoints(std::string_view text) {
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

void AppendNumber(std::string& text, long long number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
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

std::string Counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace bm
