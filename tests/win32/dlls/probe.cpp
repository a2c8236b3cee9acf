// A system DLL and the DLL it imports, for SystemTest: built as probe.dll
// with SLOTMATE_PROBE, and as probe_import.dll without.

#include <windows.h>

#ifdef SLOTMATE_PROBE
extern "C" __declspec(dllimport) int WINAPI Imported();
extern "C" __declspec(dllexport) int WINAPI Probe() { return Imported(); }
#else
extern "C" __declspec(dllexport) int WINAPI Imported() { return 1; }
#endif
