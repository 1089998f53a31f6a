#pragma once
// A fresh folder below the system's temporary folder, removed at the end.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    fPath = std::filesystem::temp_directory_path() /
            ("qxr-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(fPath);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(fPath, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(fPath, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return fPath; }
  std::string File(const std::string& name) const { return (fPath / name).string(); }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fPath))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path fPath;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
