// The layout of the game core: it builds without Qt (no file in a core
// folder includes a Qt header, so the tick can run a whole game in a test or
// in the headless tool; the Qt side of the platform seam lives with the
// windows, in ui/), and its folders are layers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> CoreFolders() {
    std::istringstream in(QM_CORE_FOLDERS);
    std::vector<std::string> v;
    for (std::string f; in >> f;) v.push_back(f);
    return v;
}

TEST(CoreLayout, NoCoreFileIncludesAQtHeader) {
    const fs::path root = QM_SOURCE_DIR;
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt[A-Za-z]*/))");
    int files = 0;
    for (const std::string& folder : CoreFolders()) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& p = entry.path();
            if (!entry.is_regular_file() || (p.extension() != ".h" && p.extension() != ".cpp")) continue;
            if (p.lexically_relative(root).string().starts_with("ui/platform/")) continue;
            ++files;
            std::ifstream in(p);
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                EXPECT_FALSE(std::regex_search(line, qtInclude)) << p.lexically_relative(root).string() << ":" << n << ": " << line;
        }
    }
    EXPECT_GT(files, 0);
}

// The core folders are layers, in the order CMake lists them (lowest
// first): a file may include its own folder and the folders below it, never
// one above it, the windows (ui/) or anything that is not a core folder. So
// any folder can be understood, built and tested with only those below it.
TEST(CoreLayout, EachFolderIncludesOnlyTheFoldersBelowIt) {
    const fs::path root = QM_SOURCE_DIR;
    const std::vector<std::string> order = CoreFolders();
    const std::regex projectInclude(R"(^\s*#\s*include\s*"([^"/]+)/)");
    int files = 0;
    for (std::size_t layer = 0; layer < order.size(); ++layer) {
        const std::string& folder = order[layer];
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& p = entry.path();
            if (!entry.is_regular_file() || (p.extension() != ".h" && p.extension() != ".cpp")) continue;
            ++files;
            std::ifstream in(p);
            std::string line;
            std::smatch m;
            for (int n = 1; std::getline(in, line); ++n) {
                if (!std::regex_search(line, m, projectInclude)) continue;
                const auto to = std::find(order.begin(), order.end(), m[1].str());
                const std::string where = p.lexically_relative(root).string() + ":" + std::to_string(n) + ": " + line;
                if (to == order.end()) {
                    ADD_FAILURE() << where << "\n  " << m[1] << "/ is not a core folder";
                    continue;
                }
                const auto toLayer = static_cast<std::size_t>(to - order.begin());
                EXPECT_LE(toLayer, layer) << where << "\n  " << folder << "/ sits below " << *to
                                          << "/ (core folders, lowest first: " << QM_CORE_FOLDERS << ")";
            }
        }
    }
    EXPECT_GT(files, 0);
}

}  // namespace
