// Announces to every top-level window that a disc arrived in (or, with
// --removed, left) a drive, as Windows does when a CD is inserted:
//
//   announce_media.exe E: [--removed]
//
// The end-to-end tests and the latency benchmark run it right after they
// put a boot file into a drive's folder.

#include <windows.h>

#include <dbt.h>

#include <cctype>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2 || !std::isalpha(static_cast<unsigned char>(argv[1][0]))) {
    std::fprintf(stderr, "usage: announce_media DRIVE: [--removed]\n");
    return 2;
  }
  const bool removed = argc > 2 && std::strcmp(argv[2], "--removed") == 0;
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask =
      1u << (std::toupper(static_cast<unsigned char>(argv[1][0])) - 'A');
  volume.dbcv_flags = DBTF_MEDIA;
  DWORD recipients = BSM_APPLICATIONS;
  // Sent to one window after the other and waited for, so that the volume
  // record reaches other programs (Wine does not carry it with a notify).
  const long sent = BroadcastSystemMessageA(
      BSF_QUERY | BSF_FORCEIFHUNG | BSF_IGNORECURRENTTASK, &recipients, WM_DEVICECHANGE,
      removed ? DBT_DEVICEREMOVECOMPLETE : DBT_DEVICEARRIVAL,
      reinterpret_cast<LPARAM>(&volume));
  return sent > 0 ? 0 : 1;
}
