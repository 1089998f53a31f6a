// Creates a rights file with the standard users (unless one exists) and lists
// its users: a first look at the store on the demo data.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "rights/file_io.h"
#include "rights/rechte_datei.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: rightsdemo SETTINGS-FOLDER\n";
    return 2;
  }
  try {
    const std::string folder = argv[1];
    std::filesystem::create_directories(rights::PathFromUtf8(folder));
    rights::TRechteDatei file(folder + "/QVRights.qxr");
    file.Read(true);
    if (file.UserList().Empty()) {
      file.CreateStdUsers("Demo#2026");
      file.Write();
      std::cout << "Created " << file.FileName() << " (administrator password: Demo#2026)\n";
    }
    std::cout << "Rights file " << file.FileName() << ", write " << file.RFHeader().Version << "\n\n";
    std::cout << "  ID  Login      Name       Function                     Locked\n";
    for (const auto& user : file.UserList()) {
      std::printf("%4d  %-10s %-10s %-28s %s\n", user->ID, user->Login.c_str(), user->Bez.c_str(),
                  user->Func.c_str(), user->Locked ? "yes" : "no");
    }
  } catch (const std::exception& error) {
    std::cerr << "rightsdemo: " << error.what() << '\n';
    return 3;
  }
  return 0;
}
