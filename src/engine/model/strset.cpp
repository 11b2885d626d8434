#include "engine/model/strset.h"

#include "engine/model/eventnames.h"
#include "engine/model/text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace bm {

namespace {

std::string LowerKey(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

} // namespace

StrSet::StrSet(std::string name, bool allowRepeats)
    : name_(std::move(name)), allowRepeats_(allowRepeats) {}

void StrSet::RebuildIndex() const {
    if (indexValid_)
        return;
    keyIndex_.clear();
    textIndex_.clear();
    for (int i = 0; i < Count(); ++i) {
        keyIndex_.emplace(keys_[i], i);
        textIndex_.emplace(LowerKey(texts_[i]), i);
    }
    indexValid_ = true;
}

int StrSet::AddWithKey(int key, std::string_view text) {
    if (text.empty())
        return -1;
    const int existing = KeyOf(text);
    if (existing != -1 && !allowRepeats_)
        return existing;
    const int position = IndexOfKey(key);
    if (position >= 0) {
        texts_[position] = std::string(text);
        Invalidate();
        return key;
    }
    // An appended entry extends the lookup caches in place (each keeps the
    // first position of a key or text), so reading a long set stays linear.
    keyIndex_.emplace(key, Count());
    textIndex_.emplace(LowerKey(text), Count());
    keys_.push_back(key);
    texts_.emplace_back(text);
    return key;
}

int StrSet::Add(std::string_view text) {
    int largest = 0;
    for (int key : keys_)
        largest = std::max(largest, key);
    if (largest < INT_MAX)
        return AddWithKey(largest + 1, text);
    // No key follows the largest 32-bit key: the smallest free positive one is taken.
    int key = 1;
    while (HasKey(key))
        ++key;
    return AddWithKey(key, text);
}

int StrSet::InsertAfter(std::string_view newText, std::string_view existingText) {
    const int key = Add(newText);
    const int target = IndexOfKey(KeyOf(existingText));
    if (target >= 0 && KeyOf(existingText) != -1) {
        for (int i = Count() - 1; i > target + 1; --i)
            SwapPositions(i, i - 1);
    }
    return key;
}

int StrSet::DeleteKey(int key) {
    const int position = IndexOfKey(key);
    if (position < 0)
        return -1;
    keys_.erase(keys_.begin() + position);
    texts_.erase(texts_.begin() + position);
    Invalidate();
    return key;
}

void StrSet::DeleteText(std::string_view text) {
    const int key = KeyOf(text);
    if (key != -1)
        DeleteKey(key);
}

std::string StrSet::TextOf(int key) const {
    const int position = IndexOfKey(key);
    return position >= 0 ? texts_[position] : "????";
}

bool StrSet::HasKey(int key) const {
    return IndexOfKey(key) >= 0;
}

int StrSet::IndexOfKey(int key) const {
    RebuildIndex();
    const auto found = keyIndex_.find(key);
    return found == keyIndex_.end() ? -1 : found->second;
}

int StrSet::KeyOf(std::string_view text) const {
    RebuildIndex();
    const auto found = textIndex_.find(LowerKey(text));
    return found == textIndex_.end() ? -1 : keys_[found->second];
}

std::string StrSet::TextAt(int position) const {
    return position >= 0 && position < Count() ? texts_[position] : std::string();
}

int StrSet::KeyAt(int position) const {
    return position >= 0 && position < Count() ? keys_[position] : -1;
}

void StrSet::SwapPositions(int i, int j) {
    std::swap(texts_[i], texts_[j]);
    std::swap(keys_[i], keys_[j]);
    Invalidate();
}

void StrSet::SwapTexts(std::string_view a, std::string_view b) {
    const int i = IndexOfKey(KeyOf(a));
    const int j = IndexOfKey(KeyOf(b));
    if (KeyOf(a) != -1 && KeyOf(b) != -1 && i >= 0 && j >= 0)
        SwapPositions(i, j);
}

void StrSet::Rename(std::string_view oldText, std::string_view newText) {
    const int key = KeyOf(oldText);
    if (key == -1)
        return;
    texts_[IndexOfKey(key)] = std::string(newText);
    Invalidate();
}

template <typename Before> void StrSet::InsertionSort(Before before) {
    for (int i = 1; i < Count(); ++i) {
        int j = 0;
        while (j < i && !before(texts_[i], texts_[j]))
            ++j;
        for (int k = i; k > j; --k) {
            std::swap(texts_[k], texts_[k - 1]);
            std::swap(keys_[k], keys_[k - 1]);
        }
    }
    Invalidate();
}

void StrSet::SortAlphabetic() {
    InsertionSort([](const std::string& a, const std::string& b) { return a < b; });
}

void StrSet::SortEventNames() {
    InsertionSort([](const std::string& a, const std::string& b) { return EventNameBefore(a, b); });
}

bool StrSet::Precedes(int a, int b) const {
    if (a == b)
        return false;
    const int ia = IndexOfKey(a);
    if (ia < 0)
        return false;
    const int ib = IndexOfKey(b);
    return ib < 0 || ib > ia;
}

int StrSet::MaxTextLength() const {
    int longest = 0;
    for (const std::string& text : texts_)
        longest = std::max(longest, TextLength(text));
    return longest;
}

void StrSet::WriteStrSet(std::ostream& out) const {
    for (int i = 0; i < Count(); ++i)
        out << "StrSet: \"" << CleanText(name_) << "\" \"" << keys_[i] << "\" \""
            << CleanText(texts_[i]) << "\"\n";
    out << "\n";
}

void ReadStrSetLine(StrSet& set, std::string_view line) {
    std::array<std::string_view, 3> fields;
    QuotedFields(line, fields);
    if (line.substr(0, 7) != "StrSet:" || fields[0] != set.Name())
        return;
    set.AddWithKey(ReadInt(fields[1]), CleanText(fields[2]));
}

} // namespace bm
