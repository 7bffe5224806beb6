// The game core builds without Qt: no file in a core folder includes a Qt
// header, so the tick can run a whole game in a test or in the headless
// tool. (The Qt side of the platform seam lives with the windows, in ui/.)
#include <gtest/gtest.h>

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

}  // namespace
