// announce_media.exe E: [--removed] tells every top-level window, as Windows
// does, that a disc arrived in E: (or left it). For the journeys and benchmark.

#include <windows.h>

#include <dbt.h>

#include <cctype>
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
  // Waited for, window by window: only so does Wine pass the record on.
  const long sent = BroadcastSystemMessageA(
      BSF_QUERY | BSF_FORCEIFHUNG | BSF_IGNORECURRENTTASK, &recipients, WM_DEVICECHANGE,
      removed ? DBT_DEVICEREMOVECOMPLETE : DBT_DEVICEARRIVAL,
      reinterpret_cast<LPARAM>(&volume));
  return sent > 0 ? 0 : 1;
}
