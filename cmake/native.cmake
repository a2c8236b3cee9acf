# Native build: the logic's GoogleTest suite against in-memory fakes, and the
# benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB SLOTMATE_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(slotmate_tests ${SLOTMATE_NATIVE_TESTS})
target_include_directories(slotmate_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(slotmate_tests PRIVATE slotmate_logic GTest::gtest_main)
target_compile_definitions(slotmate_tests PRIVATE
                           SLOTMATE_DISC_SETS_FILE="${CMAKE_SOURCE_DIR}/data/disc-sets.txt")
gtest_discover_tests(slotmate_tests DISCOVERY_TIMEOUT 60)
# The release script refuses a tree that is not its commit.
add_test(NAME release_refuses_changes
         COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/release_refuses_changes.sh)

find_package(benchmark QUIET)
file(GLOB SLOTMATE_NATIVE_BENCH CONFIGURE_DEPENDS bench/native_*.cpp)
if(benchmark_FOUND AND SLOTMATE_NATIVE_BENCH)
  add_executable(slotmate_bench ${SLOTMATE_NATIVE_BENCH})
  target_include_directories(slotmate_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(slotmate_bench PRIVATE slotmate_logic benchmark::benchmark)
endif()
