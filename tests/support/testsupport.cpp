#include "testsupport.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace bm::test {

TempDir::TempDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("boatmeet-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::string DataPath(const std::string& name) {
    return std::string(BM_TEST_DATA_DIR) + "/" + name;
}

std::string CopyFixture(const TempDir& dir, const std::string& name) {
    const std::string target = dir.File(std::filesystem::path(name).filename().string());
    std::filesystem::copy_file(DataPath(name), target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

namespace {

// The standard output of a shell command; empty when it fails.
std::string CommandOutput(const std::string& command) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? output : std::string();
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The line's characters without its blanks: pdftotext guesses the blanks of
// a line from the gaps between its words and now and then guesses one too
// few, while a character cut off the page is simply not there.
std::string Printed(std::string_view line) {
    std::string printed;
    for (char c : line)
        if (c != ' ' && c != '\f' && c != '\r')
            printed += c;
    return printed;
}

} // namespace

std::string PdfText(const std::string& path) {
    const std::string text = CommandOutput("pdftotext -layout -enc UTF-8 " + Quoted(path) + " -");
    return text.empty() ? "pdftotext failed" : text;
}

std::string PdfPageSize(const std::string& path) {
    std::istringstream info(CommandOutput("pdfinfo " + Quoted(path)));
    for (std::string line; std::getline(info, line);)
        if (line.starts_with("Page size:"))
            return line.substr(line.find_first_not_of(' ', 10));
    return "pdfinfo failed";
}

std::vector<std::string> LinesMissingFromPdf(const std::vector<std::string>& lines,
                                             const std::string& pdfText) {
    std::map<std::string, int> printed;
    std::istringstream text(pdfText);
    for (std::string line; std::getline(text, line);)
        ++printed[Printed(line)];
    std::vector<std::string> missing;
    for (const std::string& line : lines) {
        const std::string wanted = Printed(line);
        if (wanted.empty() || line.starts_with("<NP>"))
            continue;
        if (printed[wanted]-- <= 0)
            missing.push_back(line);
    }
    return missing;
}

bool ScriptedMessages::Ask(const std::string& question) {
    return AskOrCancel(question) == Answer::Yes;
}

Answer ScriptedMessages::AskOrCancel(const std::string& question) {
    asked.push_back(question);
    if (answers.empty())
        return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedMessages::AskText(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& text) {
    prompts.push_back(caption + "|" + prompt + "|" + text);
    if (texts.empty())
        return text;
    std::optional<std::string> answer = texts.front();
    texts.pop_front();
    return answer;
}

} // namespace bm::test
