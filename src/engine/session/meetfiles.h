// Opening, creating and saving meet files with the checks and texts that the
// desktop program and the command line share.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/model/writelock.h"

#include <memory>
#include <string>
#include <string_view>

namespace bm {

inline constexpr const char* SaveFailedText = "Failed to write to file. DATA NOT SAVED!";
// The key data holds no crews and no draws: written over its own meet file it
// would lose them.
inline constexpr const char* KeyDataOverMeetText =
    "The key data cannot replace the meet file itself";
// The club every new meet starts with, for the winners of earlier years.
inline constexpr const char* WinnerPrevClub = "Winner Prev";

// The meet of a file, after the open checks: "Could not open file : NAME"
// when no file of that name exists (a folder is no file), "This file does not
// appear to be a Boatmeet file.." for one that cannot be read or whose first
// line is not a meet file's. None, with that text in error, when a check fails.
std::unique_ptr<Boatmeet> OpenMeetFile(const std::string& name, std::string& error);
// A new meet with the title and date (as texts entering the meet) and the
// club "Winner Prev".
std::unique_ptr<Boatmeet> NewMeet(std::string_view title, std::string_view date);
// True when both names reach the same existing file (its own name, another
// path to it or a link).
bool IsSameFile(const std::string& first, const std::string& second);
// Why the file NAME may not be written under the lock, as the user is told:
// BeingChangedText, LockFailedText, SaveFailedText when its folder does not
// exist; empty when the lock is held or the waiting was given up.
std::string LockRefusal(const WriteLock& lock, const std::string& name);
// Writes the meet safely, in full or its key data, to the file NAME; the
// caller holds its write lock. False with ReadOnlyFileText in error when
// the file may not be written, else SaveFailedText when the write failed.
bool WriteMeetFile(Boatmeet& meet, const std::string& name, bool full, std::string& error);
// WriteMeetFile holding the file's write lock; false with LockRefusal in
// error when the lock was not had.
bool SaveMeetFile(Boatmeet& meet, const std::string& name, bool full, std::string& error);

} // namespace bm
