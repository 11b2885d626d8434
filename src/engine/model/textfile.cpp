#include "engine/model/textfile.h"

#include "engine/model/safefile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace bm {

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252; undefined bytes keep their value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII, by far the most common, is passed over eight bytes at a time.
        std::uint64_t word;
        if (i + sizeof word <= bytes.size()) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(bytes[i]);
        int extra;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const char32_t least = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c);
    }
    return out;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    // Plain C reading: a read error (a folder opens but cannot be read) is a
    // failed read, where a stream buffer iterator would throw.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // Read straight into the text, in one piece when the size is known.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::size_t chunk = error ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1;
    std::string bytes;
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + chunk);
        const std::size_t count = std::fread(bytes.data() + had, 1, chunk, file);
        bytes.resize(had + count);
        if (count < chunk)
            break;
        chunk = std::size_t{1} << 16;
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    text = LinesToUtf8(std::move(bytes));
    return true;
}

std::string LinesToUtf8(std::string bytes) {
    if (IsValidUtf8(bytes))
        return bytes;
    const std::string_view all = bytes;
    std::string text;
    text.reserve(all.size() + all.size() / 8);
    for (std::size_t begin = 0; begin < all.size();) {
        const std::size_t end = std::min(all.find('\n', begin), all.size() - 1) + 1;
        const std::string_view line = all.substr(begin, end - begin);
        if (IsValidUtf8(line))
            text += line;
        else
            text += Windows1252ToUtf8(line);
        begin = end;
    }
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 32 + 1); // a guess from usual line lengths
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        begin = next;
    }
    return lines;
}

bool WriteFileSafely(const std::string& path, std::string_view content) {
    SafeFileWriter writer(path);
    writer.Stream().write(content.data(), static_cast<std::streamsize>(content.size()));
    return writer.Commit();
}

std::uint64_t HashBytes(std::string_view bytes, std::uint64_t hash) {
    constexpr std::uint64_t prime = 1099511628211ull;
    for (char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= prime;
    }
    return hash;
}

} // namespace bm
