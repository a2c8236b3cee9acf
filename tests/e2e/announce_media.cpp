// announce_media.exe E: [--removed] tells every top-level window, as Windows
// does, that a disc arrived in E: (or left it). For the journeys and benchmark,
// which reads the time it prints: microseconds since 1970 as the message goes.

#include <windows.h>

#include <dbt.h>

#include <cctype>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2 || !std::isalpha(static_cast<unsigned char>(argv[1][0]))) return 2;
  const bool removed = argc > 2 && std::strcmp(argv[2], "--removed") == 0;
  const int unit = std::toupper(static_cast<unsigned char>(argv[1][0])) - 'A';
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << unit;
  volume.dbcv_flags = DBTF_MEDIA;
  DWORD recipients = BSM_APPLICATIONS;
  FILETIME now;  // in 100 ns since 1601
  GetSystemTimeAsFileTime(&now);
  const ULONGLONG since1601 = ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime;
  std::printf("%llu\n", (since1601 - 116444736000000000ull) / 10);
  std::fflush(stdout);
  // Waited for, window by window: only so does Wine pass the record on.
  const long sent = BroadcastSystemMessageA(
      BSF_QUERY | BSF_FORCEIFHUNG | BSF_IGNORECURRENTTASK, &recipients, WM_DEVICECHANGE,
      removed ? DBT_DEVICEREMOVECOMPLETE : DBT_DEVICEARRIVAL,
      reinterpret_cast<LPARAM>(&volume));
  return sent > 0 ? 0 : 1;
}
