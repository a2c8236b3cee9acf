// How the catalogue's load, full scan and save compare with plain work on the
// same bytes, natively against the in-memory fakes. Prints figures; asserts
// nothing.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "catalogue/catalogue.h"
#include "fakes/fake_platform.h"
#include "sample_catalogue.h"

namespace slotmate {
namespace {

constexpr char kGames[] = "C:\\Slotmate\\games.txt";

struct Loaded {
  fakes::FakeSystem fake;
  Catalogue catalogue;
  Loaded() { fake.files[kGames] = bench::SampleCatalogueText(); }
};

void BM_LoadGames(benchmark::State& state) {
  Loaded app;
  for (auto _ : state) {
    app.catalogue.LoadGames(app.fake, kGames);
    benchmark::DoNotOptimize(app.catalogue.Count());
  }
  state.SetBytesProcessed(state.iterations() *
                          std::int64_t(app.fake.files[kGames].size()));
}
BENCHMARK(BM_LoadGames)->Unit(benchmark::kMillisecond);

// Plain: copy the bytes and find the line ends.
void BM_PlainRead(benchmark::State& state) {
  const std::string text = bench::SampleCatalogueText();
  for (auto _ : state) {
    std::string copy = text;
    benchmark::DoNotOptimize(std::count(copy.begin(), copy.end(), '\r'));
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// The switcher's lookup of an ID that is not catalogued: every row compared.
void BM_ScanAllRows(benchmark::State& state) {
  Loaded app;
  app.catalogue.LoadGames(app.fake, kGames);
  for (auto _ : state) benchmark::DoNotOptimize(app.catalogue.Find("SCES-99999"));
}
BENCHMARK(BM_ScanAllRows)->Unit(benchmark::kMillisecond);

// The lookup of a disc of a game on several discs that has no row: every row
// compared, then every row's game looked up in the built-in table.
void BM_ScanForAGamesOtherDiscs(benchmark::State& state) {
  Loaded app;
  app.catalogue.LoadGames(app.fake, kGames);
  for (auto _ : state) benchmark::DoNotOptimize(app.catalogue.Find("SCUS-94164"));
}
BENCHMARK(BM_ScanForAGamesOtherDiscs)->Unit(benchmark::kMillisecond);

// Plain: compare ten bytes of every line, ignoring case.
void BM_PlainScan(benchmark::State& state) {
  const std::string text = bench::SampleCatalogueText();
  const char* wanted = "SCES-99999";
  for (auto _ : state) {
    int hits = 0;
    for (std::size_t at = 0; at < text.size();) {
      hits += strncasecmp(text.data() + at, wanted, 10) == 0;
      at = text.find('\n', at) + 1;
      if (at == 0) break;
    }
    benchmark::DoNotOptimize(hits);
  }
}
BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);

void BM_SaveGames(benchmark::State& state) {
  Loaded app;
  app.catalogue.LoadGames(app.fake, kGames);
  for (auto _ : state) {
    app.catalogue.Replace(0, app.catalogue.Entry(0));
    app.catalogue.SaveGames(app.fake, kGames);
  }
}
BENCHMARK(BM_SaveGames)->Unit(benchmark::kMillisecond);

// Plain: copy the bytes into the file store.
void BM_PlainWrite(benchmark::State& state) {
  const std::string text = bench::SampleCatalogueText();
  fakes::FakeSystem files;
  for (auto _ : state) files.ReplaceWhole(kGames, text);
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slotmate

BENCHMARK_MAIN();
