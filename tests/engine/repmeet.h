// Shared by the report, results and information tests: the hand-made meets
// of tests/data with every setting at its default.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace bm::test {

class RepMeetTest : public ::testing::Test {
protected:
    void SetUp() override { CurrentSettings() = Settings{}; }
    void TearDown() override { CurrentSettings() = Settings{}; }

    static std::unique_ptr<Boatmeet> Load(const std::string& name) {
        return Boatmeet::LoadFromFile(DataPath(name));
    }
    static std::unique_ptr<Boatmeet> FromText(const std::string& text) {
        return Boatmeet::LoadFromText(text);
    }
};

// The text a report writer produces.
template <typename Writer> std::string Written(Writer write) {
    std::ostringstream out;
    write(out);
    return out.str();
}

} // namespace bm::test
