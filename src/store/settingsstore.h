// The per-user settings store shared by the desktop program and the CLI: the
// settings of the engine, the automatic entry fee record and the recent files,
// kept under the value names the program has always used.
#pragma once

#include "engine/model/settings.h"

#include <memory>
#include <string>
#include <vector>

class QSettings;

namespace bm {

inline constexpr const char* AutoFeeProblem =
    "Cannot Read AutoFee data; reset values and save Preferences";

class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store kept in the given file (tests and tools use one of their own).
    explicit SettingsStore(const std::string& fileName);
    ~SettingsStore();

    // Every setting at its default, replaced by each value stored with the
    // expected type. An "AutoFeeSTR" record of the wrong size is left at zero
    // and reported in problem (AutoFeeProblem).
    Settings Read(std::string* problem = nullptr) const;
    // Writes every setting (not the recent files).
    void Write(const Settings& settings);

    std::vector<std::string> RecentFiles() const;
    // Puts a name at the front of the recent files and stores the list.
    void AddRecentFile(const std::string& name);

    // The folder the meet file was last published to; empty when none.
    std::string PublishFolder(const std::string& meetFile) const;
    void SetPublishFolder(const std::string& meetFile, const std::string& folder);

private:
    std::unique_ptr<QSettings> store_;
};

// Reads the store into the process-wide settings; returns the problem found,
// to be shown to the user (empty when none).
std::string LoadCurrentSettings(const SettingsStore& store);

} // namespace bm
