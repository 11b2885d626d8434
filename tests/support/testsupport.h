// Helpers shared by the tests: temporary folders, fixtures and scripted answers
// to the program's questions.
#pragma once

#include "engine/session/messages.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace bm::test {

// A folder that exists for the life of the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The path of a fixture in tests/data.
std::string DataPath(const std::string& name);
// A copy of a fixture in the folder, so a test never changes the original.
std::string CopyFixture(const TempDir& dir, const std::string& name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// Answers questions from a script and records every message shown; installed
// for its lifetime.
class ScriptedMessages : public MessageHandler {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    void Inform(const std::string& text) override { informed.push_back(text); }
    bool Ask(const std::string& question) override;
    // The answer to the next question (questions without a scripted answer get No).
    void SetNextAnswer(bool yes) { answers.push_back(yes); }

    std::vector<std::string> informed;
    std::vector<std::string> asked;
    std::deque<bool> answers;
};

} // namespace bm::test
