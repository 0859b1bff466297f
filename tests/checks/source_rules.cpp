// Rules of the source tree that the compiler cannot see, checked on every test run:
//  - the layers: core/ includes nothing from render/, gui/, sim/ or cli/; render/ nothing from
//    gui/, sim/ or cli/; sim/ nothing from gui/ or cli/; cli/ nothing from gui/; core/image/, the
//    bytes every other core folder stands on, nothing from another core folder;
//  - one definition per name: two headers that define an inline variable (or a class) of the same
//    qualified name are merged by the linker without a word, and one silently replaces the other.
// Usage: source_rules SRC_DIR   (exit status 1 and one line per finding when a rule is broken)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Scope {
  std::string name;  // empty for a class, function or other block
  bool isNamespace;
  int depth;         // brace depth inside the scope
};

std::string stripComment(const std::string& line) {
  const auto at = line.find("//");
  return at == std::string::npos ? line : line.substr(0, at);
}

std::string qualified(const std::vector<Scope>& scopes, const std::string& name) {
  std::string q;
  for (const Scope& s : scopes) q += s.name + "::";
  return q + name;
}

// Inline variables defined at namespace scope of one header, by qualified name.
void collectInlineNames(const fs::path& file, std::map<std::string, std::vector<std::string>>& seen) {
  static const std::regex ns(R"(^\s*(?:inline\s+)?namespace\s*([A-Za-z_][\w:]*)?\s*\{)");
  static const std::regex def(R"(^\s*inline\s+(?:(?:const|constexpr|static)\s+)*[\w:<>,\s]*?\b([A-Za-z_]\w*)\s*(?:=|\{))");
  // A class defined twice under one name breaks the one-definition rule just as silently.
  static const std::regex type(R"(^\s*(?:struct|class)\s+([A-Za-z_]\w*)\s*(?:final\s*)?(?::[^{;]*)?\{)");
  std::ifstream in(file);
  std::vector<Scope> scopes;
  int depth = 0;
  std::string raw;
  while (std::getline(in, raw)) {
    const std::string line = stripComment(raw);
    std::smatch m;
    const bool allNamespaces = [&] {
      for (const Scope& s : scopes) if (!s.isNamespace) return false;
      return true;
    }();
    if (allNamespaces && depth == static_cast<int>(scopes.size()) &&
        (std::regex_search(line, m, def) || std::regex_search(line, m, type)))
      seen[qualified(scopes, m[1])].push_back(file.string());
    const bool opensNamespace = std::regex_search(line, m, ns);
    for (char c : line) {
      if (c == '{') {
        ++depth;
        if (opensNamespace && depth == static_cast<int>(scopes.size()) + 1) scopes.push_back({m[1].str().empty() ? "(anonymous)" : m[1].str(), true, depth});
        else if (depth > static_cast<int>(scopes.size()) && (scopes.empty() || scopes.back().depth < depth) && !opensNamespace) scopes.push_back({"", false, depth});
      } else if (c == '}') {
        if (!scopes.empty() && scopes.back().depth == depth) scopes.pop_back();
        --depth;
      }
    }
  }
}

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
  std::map<std::string, std::vector<std::string>> names;
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
    if (ext == ".h") collectInlineNames(p, names);
  }
  for (const auto& [name, files] : names)
    if (files.size() > 1) {
      std::string where;
      for (const std::string& f : files) where += " " + f;
      findings.push_back(name + " is defined in more than one header:" + where);
    }
  for (const std::string& f : findings) std::cout << f << '\n';
  if (!findings.empty()) return 1;
  std::cout << "source rules hold (" << names.size() << " names)\n";
  return 0;
}
