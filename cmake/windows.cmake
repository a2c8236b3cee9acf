# Cross build for 32-bit Windows: the program, its end-to-end twin, the
# stand-in emulator and the Windows tests, which CTest runs under Wine.

# Static: the executables import only DLLs that ship with Windows. The
# program imports only KnownDLLs, which Windows never takes from the
# program's folder; MCI, the common controls and the file dialog are loaded
# at run time (see platform/win32/system_dlls.cpp).
add_link_options(-static)
# No link time in the PE header: the same sources give the same executable.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        WINVER=0x0601)

set(SLOTMATE_WIN32_LIBS user32 gdi32 shell32 advapi32
    ole32 oleaut32 uuid imagehlp)

file(GLOB SLOTMATE_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
add_library(slotmate_win32 STATIC ${SLOTMATE_WIN32_SOURCES})
target_include_directories(slotmate_win32 PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(slotmate_win32 PUBLIC ${SLOTMATE_WIN32_LIBS})

set(SLOTMATE_RESOURCES "")
if(EXISTS ${CMAKE_SOURCE_DIR}/app/resources/slotmate.rc)
  set(SLOTMATE_RESOURCES ${CMAKE_SOURCE_DIR}/app/resources/slotmate.rc)
  # Each build's manifest names its own processor, for the program and for
  # the common controls it binds: 64-bit Windows refuses a 64-bit program
  # that asks for the x86 ones (Wine binds them, and its windows stay empty).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SLOTMATE_MANIFEST_ARCH amd64)
  else()
    set(SLOTMATE_MANIFEST_ARCH x86)
  endif()
  # Windows takes an assembly's version, and the file's, only as four numbers
  # (each 0-65535): the project's, its missing parts 0. The project may name
  # two, three or four.
  set(SLOTMATE_VERSION_PARTS "")
  foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
      list(APPEND SLOTMATE_VERSION_PARTS 0)
    else()
      list(APPEND SLOTMATE_VERSION_PARTS ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN SLOTMATE_VERSION_PARTS "." SLOTMATE_ASSEMBLY_VERSION)
  list(JOIN SLOTMATE_VERSION_PARTS "," SLOTMATE_FILE_VERSION)
  configure_file(app/resources/slotmate.manifest.in
                 ${CMAKE_BINARY_DIR}/resources/slotmate.manifest @ONLY)
  set_property(SOURCE ${SLOTMATE_RESOURCES} APPEND
               PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/resources)
  set_property(SOURCE ${SLOTMATE_RESOURCES} APPEND
               PROPERTY COMPILE_DEFINITIONS SLOTMATE_FILE_VERSION=${SLOTMATE_FILE_VERSION})
  set_property(SOURCE ${SLOTMATE_RESOURCES} APPEND
               PROPERTY OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/resources/slotmate.manifest)
endif()

# slotmate.exe and slotmate_e2e.exe differ only in their media query: the
# end-to-end twin sees a disc while the drive's root folder has an entry.
if(EXISTS ${CMAKE_SOURCE_DIR}/app/main_win32.cpp)
  foreach(variant IN ITEMS slotmate slotmate_e2e)
    add_executable(${variant} WIN32 app/main_win32.cpp ${SLOTMATE_RESOURCES})
    target_link_libraries(${variant} PRIVATE slotmate_logic slotmate_win32)
  endforeach()
  target_compile_definitions(slotmate_e2e PRIVATE SLOTMATE_FOLDER_MEDIA=1)
endif()

# Windows tests, run under Wine in a private prefix that the wrapper makes.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_SOURCE_DIR}/tests/win32/run-under-wine.sh;${CMAKE_BINARY_DIR}/wine-prefix")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB SLOTMATE_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
if(SLOTMATE_WIN32_TESTS)
  add_executable(slotmate_win32_tests ${SLOTMATE_WIN32_TESTS} ${SLOTMATE_RESOURCES})
  target_include_directories(slotmate_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(slotmate_win32_tests PRIVATE slotmate_logic slotmate_win32 gtest_main)
  # SystemTest copies probe.dll and probe_import.dll, which it imports, from
  # beside the program into System32.
  add_library(probe_import SHARED tests/win32/dlls/probe.cpp)
  add_library(probe SHARED tests/win32/dlls/probe.cpp)
  target_compile_definitions(probe PRIVATE SLOTMATE_PROBE)
  target_link_libraries(probe PRIVATE probe_import)
  set_target_properties(probe_import probe PROPERTIES PREFIX "")
  add_dependencies(slotmate_win32_tests probe)
  # A test that waits on a window nobody answers must fail, not hang.
  gtest_discover_tests(slotmate_win32_tests DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 60)
  # Both windows again on a screen of 120 dots per inch (12 twips a pixel);
  # the first run makes its prefix.
  add_test(NAME layout_at_120_dpi
           COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/run-under-wine.sh
                   ${CMAKE_BINARY_DIR}/wine-prefix-120dpi
                   $<TARGET_FILE:slotmate_win32_tests>
                   --gtest_filter=ProgramTest.BothWindowsScaleWithTheScreensDpi)
  set_tests_properties(layout_at_120_dpi PROPERTIES ENVIRONMENT SLOTMATE_TEST_DPI=120
                       TIMEOUT 60)
endif()

# Announces a disc's arrival as Windows does (WM_DEVICECHANGE to every
# top-level window), for the end-to-end tests and the latency benchmark.
add_executable(announce_media tests/e2e/announce_media.cpp)
target_link_libraries(announce_media PRIVATE user32)

# A stand-in for the emulator: a window captioned like it that records the
# keys it receives, for the end-to-end tests.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/stand_in_emulator.cpp)
  add_executable(stand_in_emulator WIN32 tests/e2e/stand_in_emulator.cpp)
  target_link_libraries(stand_in_emulator PRIVATE user32 gdi32)
endif()

# DLLs named like system ones, each leaving a trace beside itself when loaded,
# for the dlls journey: every DLL outside the KnownDLLs that the program,
# its file dialog included, makes Wine load (WINEDEBUG=+loaddll). Not those
# that Wine alone takes from the program's folder, as imports of KnownDLLs
# (which Windows takes from System32): dbghelp (imagehlp's), combase (ole32's),
# shcore (shlwapi's), version, and Wine's own kernelbase, win32u, ucrtbase,
# zlib1 and winex11.drv. Undecorated exports, as the system's own.
foreach(name IN ITEMS comctl32.dll compstui.dll dsound.dll dwmapi.dll mcicda.dll
                      msacm32.dll msimg32.dll propsys.dll uxtheme.dll windowscodecs.dll
                      winmm.dll winspool.drv)
  string(REGEX REPLACE "[.].*" "" stem ${name})
  add_library(trace_${stem} SHARED tests/e2e/trace_dll.cpp)
  target_link_options(trace_${stem} PRIVATE -Wl,--kill-at)
  set_target_properties(trace_${stem} PROPERTIES OUTPUT_NAME ${name} PREFIX "" SUFFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e-dlls
                        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e-dlls-imports)
endforeach()

# Figures for the catalogue's load, scan and save with the real list box.
if(EXISTS ${CMAKE_SOURCE_DIR}/platform/win32/win32_toolkit.h)
  add_executable(slotmate_win32_bench bench/win32_catalogue_bench.cpp
                                      ${SLOTMATE_RESOURCES})
  target_include_directories(slotmate_win32_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(slotmate_win32_bench PRIVATE slotmate_logic slotmate_win32)
endif()

# A bare window: the baseline for Slotmate's start-up time, memory and size
# in bench/figures.sh.
add_executable(bare_window WIN32 bench/bare_window.cpp)
target_link_libraries(bare_window PRIVATE user32)
# Keeps the tray from emptying between the program's starts (see the file).
add_executable(tray_holder WIN32 bench/tray_holder.cpp)
target_link_libraries(tray_holder PRIVATE user32 shell32)

# End-to-end journeys: the real program under Wine on a private Xvfb display
# (ctest -L e2e). One prefix and display serve them all: the setup test makes
# them, the teardown test ends them, whichever journeys run.
if(TARGET slotmate_e2e AND TARGET stand_in_emulator)
  set(e2e_journeys switch catalogue dlls)
  foreach(step IN ITEMS setup ${e2e_journeys} teardown)
    add_test(NAME e2e_${step}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/journeys.sh ${step}
                     $<TARGET_FILE:slotmate_e2e> $<TARGET_FILE:stand_in_emulator>
                     $<TARGET_FILE:announce_media>)
    set_tests_properties(e2e_${step} PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 120
                         FIXTURES_REQUIRED e2e_display)
  endforeach()
  set_tests_properties(e2e_setup PROPERTIES FIXTURES_SETUP e2e_display FIXTURES_REQUIRED "")
  set_tests_properties(e2e_teardown PROPERTIES FIXTURES_CLEANUP e2e_display
                       FIXTURES_REQUIRED "")
endif()
