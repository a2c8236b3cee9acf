# Cross build for 32-bit Windows: the program, its end-to-end twin, the
# stand-in emulator and the Windows tests, which CTest runs under Wine.

# Static: the executables import only DLLs that ship with Windows.
add_link_options(-static)
# No link time in the PE header: the same sources give the same executable.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        WINVER=0x0601)

set(SLOTMATE_WIN32_LIBS user32 gdi32 comctl32 comdlg32 shell32 advapi32
    winmm ole32 oleaut32 uuid imagehlp)

file(GLOB SLOTMATE_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
add_library(slotmate_win32 STATIC ${SLOTMATE_WIN32_SOURCES})
target_include_directories(slotmate_win32 PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(slotmate_win32 PUBLIC ${SLOTMATE_WIN32_LIBS})

set(SLOTMATE_RESOURCES "")
if(EXISTS ${CMAKE_SOURCE_DIR}/app/resources/slotmate.rc)
  set(SLOTMATE_RESOURCES ${CMAKE_SOURCE_DIR}/app/resources/slotmate.rc)
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
  target_link_libraries(slotmate_win32_tests PRIVATE slotmate_logic slotmate_win32 gtest)
  # A test that waits on a window nobody answers must fail, not hang.
  gtest_discover_tests(slotmate_win32_tests DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 60)
  # The layout again on a screen of 120 dots per inch (12 twips a pixel).
  add_test(NAME layout_at_120_dpi
           COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/run-under-wine.sh
                   ${CMAKE_BINARY_DIR}/wine-prefix-120dpi
                   $<TARGET_FILE:slotmate_win32_tests>
                   --gtest_filter=*EveryControlSitsWhereItsTwipsSay*:ScreenTest.*)
  set_tests_properties(layout_at_120_dpi PROPERTIES ENVIRONMENT SLOTMATE_TEST_DPI=120
                       TIMEOUT 120)
endif()

# A stand-in for the emulator: a window captioned like it that records the
# keys it receives, for the end-to-end tests.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/stand_in_emulator.cpp)
  add_executable(stand_in_emulator WIN32 tests/e2e/stand_in_emulator.cpp)
  target_link_libraries(stand_in_emulator PRIVATE user32 gdi32)
endif()

# Figures for the catalogue's load, scan and save with the real list box.
if(EXISTS ${CMAKE_SOURCE_DIR}/platform/win32/win32_toolkit.h)
  add_executable(slotmate_win32_bench bench/win32_catalogue_bench.cpp
                                      ${SLOTMATE_RESOURCES})
  target_include_directories(slotmate_win32_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(slotmate_win32_bench PRIVATE slotmate_logic slotmate_win32)
endif()

# End-to-end tests: the real program under Wine on a private Xvfb display,
# one script per group of scenarios (ctest -L e2e).
if(TARGET slotmate_e2e AND TARGET stand_in_emulator)
  foreach(scenario IN ITEMS startup switch tray editor catalogue)
    add_test(NAME e2e_${scenario}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/test_${scenario}.sh
                     $<TARGET_FILE:slotmate_e2e> $<TARGET_FILE:stand_in_emulator>)
    set_tests_properties(e2e_${scenario} PROPERTIES LABELS e2e RUN_SERIAL TRUE
                         TIMEOUT 240)
  endforeach()
endif()
