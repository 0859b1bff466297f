// The layers of the source tree, which the compiler cannot see, checked on every test run: core/
// includes nothing from render/, gui/, sim/ or cli/; render/ nothing from gui/, sim/ or cli/; sim/
// nothing from gui/ or cli/; cli/ nothing from gui/; core/image/, the bytes every other core folder
// stands on, nothing from another core folder.
// Usage: source_rules SRC_DIR   (exit status 1 and one line per finding when a rule is broken)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool includesFrom(const fs::path& file, const std::vector<std::string>& forbidden, std::vector<std::string>& hits) {
  static const std::regex inc(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::ifstream in(file);
  std::string line;
  bool bad = false;
  for (int n = 1; std::getline(in, line); ++n) {
    std::smatch m;
    if (!std::regex_search(line, m, inc)) continue;
    for (const std::string& f : forbidden)
      if (m[1].str().rfind(f, 0) == 0) {
        hits.push_back(file.string() + ":" + std::to_string(n) + ": includes " + m[1].str());
        bad = true;
      }
  }
  return bad;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: source_rules SRC_DIR\n";
    return 2;
  }
  const fs::path src = argv[1];
  std::vector<std::string> findings;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path& p = entry.path();
    const std::string ext = p.extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    const std::string rel = fs::relative(p, src).generic_string();
    if (rel.rfind("core/", 0) == 0) includesFrom(p, {"render/", "gui/", "sim/", "cli/"}, findings);
    if (rel.rfind("core/image/", 0) == 0)
      includesFrom(p, {"core/files/", "core/records/", "core/view/", "core/link/", "core/state/", "core/exchange/",
                       "core/history/", "core/report/", "core/transfer/"}, findings);
    if (rel.rfind("render/", 0) == 0) includesFrom(p, {"gui/", "sim/", "cli/"}, findings);
    if (rel.rfind("sim/", 0) == 0) includesFrom(p, {"gui/", "cli/"}, findings);
    if (rel.rfind("cli/", 0) == 0) includesFrom(p, {"gui/"}, findings);
  }
  for (const std::string& f : findings) std::cout << f << '\n';
  if (!findings.empty()) return 1;
  std::cout << "the layers hold\n";
  return 0;
}
