#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tools/headless/runner.h"

int main(int argc, char** argv) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const auto programDir = ec ? std::filesystem::current_path() : exe.parent_path();
  std::vector<std::string> args(argv + 1, argv + argc);
  auto opt = kv::headless::ParseArgs(args, programDir);
  if (!opt.ok()) {
    std::cerr << "korvane-headless: " << opt.error() << "\n";
    return 2;
  }
  return kv::headless::Run(opt.value(), std::cerr);
}
