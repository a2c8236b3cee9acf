// How the catalogue's load, full scan and save compare with plain file work
// on the same bytes, with the real list box and the real files (run under
// Wine or on Windows). Prints figures; asserts nothing.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/form_slotmate.h"
#include "catalogue/catalogue_line.h"
#include "fakes/fake_platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_toolkit.h"
#include "sample_catalogue.h"

namespace {

using namespace slotmate;

constexpr int kRuns = 7;

double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The median of several runs, so one slow run on a busy machine does not
// decide the figure.
// `before` runs untimed ahead of each run.
double Median(
    const std::function<void()>& work, const std::function<void()>& before = [] {}) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    before();
    times.push_back(Milliseconds(work));
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

void Report(const char* what, double program, double plain) {
  std::printf("%-28s %8.2f ms   plain %8.2f ms   ratio %5.2f\n", what, program, plain,
              program / plain);
}

}  // namespace

int main() {
  win32::Win32Process process;
  win32::Win32Files files;
  win32::Win32Toolkit toolkit;
  win32::Win32Dialogs dialogs{toolkit};
  win32::Win32Locale locale;
  fakes::FakeSystem fake;
  platform::Platform platform{fake,    fake, fake,  fake,    fake,    fake,
                              dialogs, fake, files, process, toolkit, locale};
  formSlotmate form(platform);

  const std::string text = bench::SampleCatalogueText();
  const std::string folder = process.ProgramFolder();
  const std::string games = form.CatalogueFilePath();
  const std::string plainCopy = folder + "\\plain-copy.txt";
  if (files.ReplaceWhole(games, text)) {
    std::printf("cannot write %s\n", games.c_str());
    return 1;
  }

  std::printf("%d rows, %zu bytes, median of %d runs\n", bench::kRows, text.size(),
              kRuns);
  // Into an empty list, as at start-up: an empty games.txt is loaded first,
  // untimed (emptying a list of owner-drawn rows tells the window of each).
  const auto emptyList = [&] {
    files.ReplaceWhole(games, "");
    form.LoadGames();
    files.ReplaceWhole(games, text);
  };
  const double load = Median([&] { form.LoadGames(); }, emptyList);
  const double read = Median([&] { files.Read(games, text.size() + 1); });
  Report("LoadGames into the list", load, read);

  const double scan = Median([&] { form.SwitchCard("SCES-99999"); });
  const double plainScan = Median([&] {
    int hits = 0;
    for (std::size_t at = 0; at < text.size();) {
      hits += _strnicmp(text.data() + at, "SCES-99999", 10) == 0;
      at = text.find('\n', at) + 1;
      if (at == 0) break;
    }
    if (hits < 0) std::printf("!");
  });
  Report("case-insensitive scan", scan, plainScan);

  Catalogue catalogue;
  catalogue.LoadGames(files, games);
  const double save = Median([&] {
    catalogue.Replace(0, catalogue.Entry(0));
    catalogue.SaveGames(files, games);
  });
  const double write = Median([&] {
    HANDLE file = CreateFileA(plainCopy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
  });
  Report("SaveGames", save, write);
  DeleteFileA(plainCopy.c_str());
  return 0;
}
