// Reads the header of the shipped 32-bit Zib.exe: a PE32 image for i386,
// a GUI program, and large-address aware. Exit code 0 when all hold.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t Read(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ifstream file(argv[1], std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (b.size() < 0x200 || b[0] != 'M' || b[1] != 'Z') {
    std::printf("%s: not a program file\n", argv[1]);
    return 1;
  }
  std::size_t pe = Read(b, 0x3C, 4);
  if (Read(b, pe, 4) != 0x00004550) {
    std::printf("no PE signature\n");
    return 1;
  }
  std::uint32_t machine = Read(b, pe + 4, 2);
  std::uint32_t characteristics = Read(b, pe + 22, 2);
  std::uint32_t magic = Read(b, pe + 24, 2);
  std::uint32_t subsystem = Read(b, pe + 24 + 68, 2);
  struct {
    const char* what;
    bool holds;
  } checks[] = {{"machine i386 (0x14C)", machine == 0x14C},
                {"PE32 optional header (0x10B)", magic == 0x10B},
                {"large-address aware (0x20)", (characteristics & 0x20) != 0},
                {"GUI subsystem (2)", subsystem == 2}};
  int failed = 0;
  for (const auto& c : checks) {
    std::printf("%s %s\n", c.holds ? "ok  " : "FAIL", c.what);
    failed += !c.holds;
  }
  return failed ? 1 : 0;
}
