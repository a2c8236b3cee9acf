#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// A broken property is a finding: libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(property) \
  ((property) ? void() : (std::fprintf(stderr, "broken: %s\n", #property), std::abort()))

// Each target defines it; libFuzzer hands it every input.
void CheckProperties(std::string_view input);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckProperties({reinterpret_cast<const char*>(data), size});
  return 0;
}
