// Helpers shared by the tests: temporary folders, fixtures and scripted answers
// to the program's questions.
#pragma once

#include "engine/session/messages.h"

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <optional>
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

// The text of a PDF file as `pdftotext -layout` reads it, pages one after the
// other; "pdftotext failed" when it cannot (poppler-utils is missing).
std::string PdfText(const std::string& path);
// The paper of a PDF's pages as `pdfinfo` tells it: "842 x 595 pts (A4)".
std::string PdfPageSize(const std::string& path);
// The report lines (but empty lines and page markers) that the PDF's text
// lacks: each line's characters, blanks aside, must be those of a whole line
// of the PDF; each line of the PDF answers for one report line.
std::vector<std::string> LinesMissingFromPdf(const std::vector<std::string>& lines,
                                             const std::string& pdfText);

// Answers questions and the input dialog from a script and records every
// message shown and every question asked.
class ScriptedMessages : public MessageHandler {
public:
    void Inform(const std::string& text) override { informed.push_back(text); }
    bool Ask(const std::string& question) override;
    Answer AskOrCancel(const std::string& question) override;
    // Records "CAPTION|PROMPT|TEXT" in prompts.
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& text) override;
    // The answer to the next question (questions without a scripted answer get No).
    void SetNextAnswer(bool yes) { answers.push_back(yes ? Answer::Yes : Answer::No); }
    void SetNextAnswer(Answer answer) { answers.push_back(answer); }
    // The answers to the next questions, in place of any still scripted.
    void SetAnswers(std::initializer_list<bool> yes) {
        answers.clear();
        for (bool answer : yes)
            SetNextAnswer(answer);
    }
    // What the next input dialog is left holding when OK closes it; none
    // cancels it. Without a scripted text OK closes it as it opened.
    void SetNextText(std::optional<std::string> text) { texts.push_back(std::move(text)); }

    std::vector<std::string> informed;
    std::vector<std::string> asked;
    std::vector<std::string> prompts;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> texts;
};

} // namespace bm::test
