#include "testsupport.h"

#include <fstream>
#include <random>
#include <sstream>

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

ScriptedMessages::ScriptedMessages() {
    SetMessageHandler(this);
}

ScriptedMessages::~ScriptedMessages() {
    SetMessageHandler(nullptr);
}

bool ScriptedMessages::Ask(const std::string& question) {
    asked.push_back(question);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace bm::test
