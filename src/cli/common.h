// What every command shares: the general options (--defaults, --set, -o), the
// settings of the run, opening the meet file named on the command line, and
// writing the meet back.
#pragma once

#include "cli/cli.h"
#include "engine/model/boatmeet.h"
#include "engine/session/messages.h"

#include <memory>
#include <string>
#include <vector>

namespace bm::cli {

// The options every command that reads settings accepts: --defaults and --set.
std::vector<OptionRule> SettingsOptions();
// The settings options and -o OUT, for commands that change a meet.
std::vector<OptionRule> WritingOptions();
// The given options followed by the settings options (and -o when writing).
std::vector<OptionRule> WithSettings(std::vector<OptionRule> options);
std::vector<OptionRule> WithWriting(std::vector<OptionRule> options);

// Sets the process-wide settings for the run: the user's store (or the
// defaults with --defaults), then each --set NAME=VALUE. False, with the
// message written, on a bad --set.
bool PrepareSettings(const ParsedArgs& args, Streams& io);
// Applies one NAME=VALUE; false with the reason in error.
bool ApplySetting(const std::string& assignment, std::string& error);

// Opens a meet file as the desktop program's open flow checks it; nothing,
// with the message written, when it is missing or not a meet file.
std::unique_ptr<Boatmeet> OpenMeet(const std::string& path, Streams& io);
// The run's settings, then the meet named by the first argument; nothing when
// either is refused (the message is written; the exit status is Usage).
std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io);
// Writes the meet (in full, or its key data) to the target.
int SaveMeetTo(Boatmeet& meet, const std::string& target, bool full, Streams& io);
// Writes the meet in full to -o OUT, or back to the file it came from.
int SaveMeet(Boatmeet& meet, const ParsedArgs& args, const std::string& path, Streams& io);

// Writes "boatmeet-cli COMMAND: TEXT" on stderr and gives the usage status.
int UsageError(Streams& io, const std::string& command, const std::string& text);
// A whole decimal 32-bit number written without blanks.
bool ParseCount(const std::string& text, int& value);

// Prints information messages on stderr; questions get the configured answer.
// Installed for its lifetime; the handler before it comes back afterwards.
class CliMessages : public MessageHandler {
public:
    explicit CliMessages(std::ostream& err, bool answer = false);
    ~CliMessages() override;
    void Inform(const std::string& text) override;
    bool Ask(const std::string& question) override;

private:
    std::ostream& err_;
    bool answer_;
    MessageHandler* previous_;
};

} // namespace bm::cli
