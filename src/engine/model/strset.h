// A named, ordered list of texts in which every text carries a stable integer
// key. The meet keeps its events, clubs, entry fees, sponsors, club colours and
// club contacts in such sets; crews and draws store keys, never texts.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bm {

class StrSet {
public:
    StrSet(std::string name, bool allowRepeats);

    const std::string& Name() const { return name_; }
    bool AllowRepeats() const { return allowRepeats_; }

    // Adds a text under a key: an empty text gives -1; a text already present
    // (ignoring case) in a set without repeats keeps its key; otherwise the key's
    // entry gets the text, or the key and text are appended.
    int AddWithKey(int key, std::string_view text);
    // AddWithKey with a new key: the largest key (or 0 when none is above 0)
    // plus 1; after the largest 32-bit key, the smallest free positive key.
    int Add(std::string_view text);
    // Add, then moves the new entry to just after an existing text.
    int InsertAfter(std::string_view newText, std::string_view existingText);
    int DeleteKey(int key);
    void DeleteText(std::string_view text);

    // The text of a key, "????" when absent.
    std::string TextOf(int key) const;
    bool HasKey(int key) const;
    int IndexOfKey(int key) const;
    // Key of the first entry equal to the text ignoring case, -1 when absent.
    int KeyOf(std::string_view text) const;
    int Count() const { return static_cast<int>(texts_.size()); }
    // The text at a position, empty beyond the end.
    std::string TextAt(int position) const;
    int KeyAt(int position) const;

    void SwapTexts(std::string_view a, std::string_view b);
    void Rename(std::string_view oldText, std::string_view newText);
    void SortAlphabetic();
    void SortEventNames();
    // True when key a is in the set and key b does not stand before it.
    bool Precedes(int a, int b) const;
    int MaxTextLength() const;

    // One "StrSet:" line per entry, then an empty line.
    void WriteStrSet(std::ostream& out) const;

    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<int>& Keys() const { return keys_; }

private:
    template <typename Before> void InsertionSort(Before before);
    void SwapPositions(int i, int j);
    void Invalidate() { indexValid_ = false; }
    void RebuildIndex() const;

    std::string name_;
    bool allowRepeats_;
    std::vector<std::string> texts_;
    std::vector<int> keys_;
    // Lookup caches, rebuilt after any change: key -> first position, and
    // ASCII-lowered text -> first position.
    mutable bool indexValid_ = false;
    mutable std::unordered_map<int, int> keyIndex_;
    mutable std::unordered_map<std::string, int> textIndex_;
};

// Reads the entries of one set from the lines of a meet data file: every line
// "StrSet:" whose field 0 is the set's name adds field 2 under the key of field 1.
void ReadStrSetLine(StrSet& set, std::string_view line);

} // namespace bm
