#include "app/ProjectCreation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>

#include "seams/OutputFile.h"

namespace skyrig {

namespace {

// Raster layers start with the ESRI ASCII grid header; the landings file is found by its name.
bool isAsciiGrid(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string word;
  in >> word;
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return word == "ncols";
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

struct Role {
  const char* key;
  std::array<const char*, 4> words;  // any of them in the file name
  bool grid;
};
constexpr Role kRoles[] = {
    {"dtmPath", {"dem", "dtm", "elev", "terrain"}, true},
    {"volumePath", {"vol", "timber", "", ""}, true},
    {"streamPath", {"stream", "river", "creek", ""}, true},
    {"roadPath", {"road", "", "", ""}, true},
    {"boundaryPath", {"unit", "boundary", "harvest", "planning"}, true},
    {"landingsPath", {"landing", "", "", ""}, false},
};

std::map<std::string, std::string> findRoles(const std::filesystem::path& projectDir) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  std::filesystem::recursive_directory_iterator it(projectDir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (it.depth() > 4) it.disable_recursion_pending();
    if (it->is_regular_file(ec) && it->path().filename().string().front() != '.')
      files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  std::map<std::string, std::string> found;
  for (const Role& role : kRoles) {
    for (const auto& file : files) {
      const std::string name = lowered(file.filename().string());
      const bool named = std::any_of(role.words.begin(), role.words.end(), [&](const char* w) {
        return *w != '\0' && name.find(w) != std::string::npos;
      });
      if (!named || name == "skyrig.json") continue;
      if (role.grid ? !isAsciiGrid(file) : isAsciiGrid(file)) continue;
      found[role.key] = std::filesystem::relative(file, projectDir, ec).generic_string();
      break;
    }
  }
  return found;
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

}  // namespace

std::vector<std::string> findProjectLayers(const std::filesystem::path& projectDir) {
  std::vector<std::string> lines;
  const auto found = findRoles(projectDir);
  for (const Role& role : kRoles) {
    auto at = found.find(role.key);
    if (at != found.end()) lines.push_back(std::string(role.key) + ": " + at->second);
  }
  return lines;
}

bool createProjectFile(const std::filesystem::path& projectDir, std::string& error) {
  const std::filesystem::path file = projectDir / "skyrig.json";
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) {
    error = file.string() + " exists already";
    return false;
  }
  const auto found = findRoles(projectDir);
  std::string text = "{\n  \"paths\": {";
  bool first = true;
  for (const Role& role : kRoles) {
    auto at = found.find(role.key);
    if (at == found.end()) continue;
    text += std::string(first ? "\n" : ",\n") + "    " + quoted(role.key) + ": " + quoted(at->second);
    first = false;
  }
  text += first ? "},\n" : "\n  },\n";
  text += "  \"runs\": { \"separate\": true, \"allAtOnce\": false }\n}\n";
  OutputFile out(file);
  if (out) std::fwrite(text.data(), 1, text.size(), out.get());
  if (!out || !out.commit()) {
    error = "cannot write " + file.string() + ": " + out.error();
    return false;
  }
  return true;
}

}  // namespace skyrig
