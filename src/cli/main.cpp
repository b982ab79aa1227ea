#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "--help";
  if (command == "--version") {
    std::cout << "tessaly 1.36\n";
    return 0;
  }
  std::cout << "usage: tessaly --version | --help\n";
  return command == "--help" ? 0 : 2;
}
