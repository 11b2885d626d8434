#include "engine/editors/listeditor.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace bm {

namespace {

const std::string TextRefused = "The new text is empty or already in the list!";
const std::string RenameQuestion = "OK to change the value?";
const std::string DeleteQuestion =
    "Any existing references to the data will be undefined if you deleted. Continue?";
const std::string OverrideQuestion = "Override Auto Fee Value?";

EditResult Refreshed() {
    EditResult result;
    result.Changed = true;
    return result;
}

EditResult Refused(const std::string& stop) {
    EditResult result;
    result.Stop = stop;
    return result;
}

} // namespace

bool IsFeeText(std::string_view typed) {
    return Trimmed(typed).empty() || MoneyValue(typed).has_value();
}

ListEditor::ListEditor(Boatmeet& meet, EditedList list)
    : meet_(meet), list_(list),
      autoFeeMode_(list == EditedList::Events && CurrentSettings().AutoFeeSTR.AutoFeeOn) {}

const std::string& ListEditor::Caption() const {
    static const std::string events = "Events";
    static const std::string clubs = "Clubs";
    return list_ == EditedList::Events ? events : clubs;
}

const std::string& ListEditor::Side1Name() const {
    return Side1().Name();
}

const std::string& ListEditor::Side2Name() const {
    return Side2().Name();
}

StrSet& ListEditor::Edited() const {
    return list_ == EditedList::Events ? meet_.Events : meet_.Clubs;
}

StrSet& ListEditor::Side1() const {
    return list_ == EditedList::Events ? meet_.Sponsors : meet_.ClubColours;
}

StrSet& ListEditor::Side2() const {
    return list_ == EditedList::Events ? meet_.EntryFees : meet_.ClubContacts;
}

const std::vector<std::string>& ListEditor::Lines() const {
    return Edited().Texts();
}

bool ListEditor::HasSelection() const {
    return selected_ >= 0 && selected_ < Edited().Count();
}

ListLineValues ListEditor::Values(int line) const {
    ListLineValues values;
    if (line < 0 || line >= Edited().Count())
        return values;
    const int key = Edited().KeyAt(line);
    values.Text = Edited().TextAt(line);
    if (Side1().HasKey(key))
        values.Side1 = Side1().TextOf(key);
    if (Side2().HasKey(key) && !Side2().TextOf(key).empty())
        values.Side2 = Side2().TextOf(key);
    else if (autoFeeMode_)
        values.Side2 = MoneyText(AutoEntryFee(values.Text));
    return values;
}

int ListEditor::FindLine(std::string_view text) const {
    const std::vector<std::string>& lines = Lines();
    const auto exact = std::find(lines.begin(), lines.end(), text);
    if (exact != lines.end())
        return static_cast<int>(exact - lines.begin());
    const auto similar = std::find_if(lines.begin(), lines.end(), [text](const std::string& line) {
        return SameTextIgnoringCase(line, text);
    });
    return similar == lines.end() ? -1 : static_cast<int>(similar - lines.begin());
}

void ListEditor::Select(int line) {
    selected_ = line >= 0 && line < Edited().Count() ? line : -1;
}

void ListEditor::Reload() {
    Select(selected_);
}

int ListEditor::FreshKey() const {
    std::unordered_set<int> used;
    for (const StrSet* set : {&Edited(), &Side1(), &Side2()})
        used.insert(set->Keys().begin(), set->Keys().end());
    for (const auto& crew : meet_.Crews)
        used.insert(list_ == EditedList::Events ? crew->EventKey : crew->ClubKey);
    if (list_ == EditedList::Events)
        for (const auto& draw : meet_.Draws)
            used.insert(draw->EventKey);
    int largest = 0;
    for (int key : used)
        largest = std::max(largest, key);
    if (largest < INT_MAX)
        return largest + 1;
    // No key follows the largest 32-bit key: the smallest unused positive one is taken.
    int key = 1;
    while (used.count(key))
        ++key;
    return key;
}

EditResult ListEditor::Add(std::string_view typed) {
    const std::string text = Trimmed(TypedText(typed, ListEntryLimit));
    if (!text.empty() && Edited().KeyOf(text) != -1) {
        return Refused(TextRefused);
    }
    // A new entry must not take over the crews, draw or side values that a
    // deleted entry left under its key, so its key is above every key in use.
    Edited().AddWithKey(FreshKey(), text);
    Reload();
    return Refreshed();
}

bool ListEditor::TextTakenByOther(std::string_view text) const {
    const std::vector<std::string>& lines = Lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (static_cast<int>(i) != selected_ && SameTextIgnoringCase(lines[i], text))
            return true;
    return false;
}

EditResult ListEditor::Rename(std::string_view typed, const Confirm& confirm) {
    EditResult result = Refreshed();
    if (!HasSelection())
        return result;
    const std::string text = TypedText(typed, ListEntryLimit);
    // An empty entry, or two entries equal ignoring case, would be dropped
    // when the meet is read again, with the crews' event or club and its draw.
    if (Trimmed(text).empty() || TextTakenByOther(text)) {
        result.Stop = TextRefused;
        return result;
    }
    if (confirm && confirm(RenameQuestion))
        Edited().Rename(Edited().TextAt(selected_), text);
    Reload();
    return result;
}

EditResult ListEditor::Delete(const Confirm& confirm) {
    if (!HasSelection() || !confirm || !confirm(DeleteQuestion))
        return {};
    Edited().DeleteText(Edited().TextAt(selected_));
    Reload();
    return Refreshed();
}

EditResult ListEditor::Move(int step) {
    const int target = selected_ + step;
    if (!HasSelection() || target < 0 || target >= Edited().Count())
        return {};
    Edited().SwapTexts(Edited().TextAt(selected_), Edited().TextAt(target));
    Select(target);
    return Refreshed();
}

EditResult ListEditor::MoveUp() {
    return Move(-1);
}

EditResult ListEditor::MoveDown() {
    return Move(1);
}

EditResult ListEditor::SortAlphabetic() {
    Edited().SortAlphabetic();
    Reload();
    return Refreshed();
}

EditResult ListEditor::SortEvents() {
    Edited().SortEventNames();
    Reload();
    return Refreshed();
}

EditResult ListEditor::StoreSide(StrSet& side, const std::string& value) {
    const int key = Edited().KeyAt(selected_);
    if (value.empty())
        side.DeleteKey(key);
    else
        side.AddWithKey(key, value);
    Reload();
    return Refreshed();
}

EditResult ListEditor::SetSide1(std::string_view typed) {
    if (!HasSelection())
        return {};
    return StoreSide(Side1(), Trimmed(CleanText(typed)));
}

EditResult ListEditor::SetSide2(std::string_view typed, const Confirm& confirm) {
    if (!HasSelection())
        return {};
    if (list_ == EditedList::Events && !IsFeeText(typed)) {
        return Refused(NotMoneyText);
    }
    const std::string value = Trimmed(CleanText(typed));
    // In automatic fee mode an emptied edit brings the automatic fee back
    // without a question; a typed fee replaces it only when confirmed.
    if (autoFeeMode_ && !value.empty() && !(confirm && confirm(OverrideQuestion))) {
        Reload();
        return Refreshed();
    }
    return StoreSide(Side2(), value);
}

} // namespace bm
