// Runs a fuzz target's entry point once on each saved input, without libFuzzer, so
// that the seed corpus and any findings kept in it are checked by every test run and
// by any compiler:
//
//     replay_TARGET FILE_OR_FOLDER...
//
// A folder stands for the regular files directly in it, taken in name order. A broken
// property stops the program as it would stop the fuzzer; the input being run is
// printed first. Exits 1 when a path cannot be read or a folder holds no files.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The inputs a command-line argument names; false when there are none or it is unreadable.
bool CollectInputs(const fs::path& path, std::vector<fs::path>& inputs) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    std::vector<fs::path> files;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
      if (it->is_regular_file(error)) files.push_back(it->path());
    }
    if (error) {
      std::fprintf(stderr, "replay: cannot list %s: %s\n", path.c_str(), error.message().c_str());
      return false;
    }
    if (files.empty()) {
      std::fprintf(stderr, "replay: %s holds no files\n", path.c_str());
      return false;
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
    return true;
  }
  if (fs::is_regular_file(path, error)) {
    inputs.push_back(path);
    return true;
  }
  std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", path.c_str());
  return false;
}

bool ReadBytes(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
    return 2;
  }
  std::vector<fs::path> inputs;
  bool complete = true;
  for (int i = 1; i < argc; ++i) complete = CollectInputs(argv[i], inputs) && complete;

  std::size_t replayed = 0;
  std::vector<std::uint8_t> bytes;
  for (const fs::path& input : inputs) {
    if (!ReadBytes(input, bytes)) {
      std::fprintf(stderr, "replay: cannot read %s\n", input.c_str());
      complete = false;
      continue;
    }
    std::printf("running %s (%zu bytes)\n", input.c_str(), bytes.size());
    std::fflush(stdout);
    // A heap block of exactly the input's size, as the fuzzer passes it, so that
    // AddressSanitizer catches a read past its end (and an empty input is no null).
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    LLVMFuzzerTestOneInput(exact.get(), bytes.size());
    ++replayed;
  }
  std::printf("replayed %zu inputs\n", replayed);
  return complete ? 0 : 1;
}
