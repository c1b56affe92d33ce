# The Windows program: a desktop program without a window of its own that
# speaks through message boxes. The conversion is the shared code; only the
# platform layer differs.

target_sources(morvex_driver PRIVATE src/driver/windows_command_line.cc)
set_target_properties(morvex PROPERTIES WIN32_EXECUTABLE ON)

if(MINGW)
  # The C and C++ runtimes are linked in, so the program runs with no DLL
  # beside it. add_link_options reaches the test programs defined later.
  target_link_options(morvex PRIVATE -static)
  add_link_options(-static)
  # MinGW-w64's g++ 12 takes the standard library's own string concatenations
  # in the generator ("_ni " + name) for overlapping copies when it inlines
  # them: a known false alarm of that compiler, which the same code built by
  # g++ 12 for Linux does not give.
  target_compile_options(morvex_generator PRIVATE -Wno-restrict)
  add_compile_options(-Wno-restrict)  # the tests, defined later
endif()

if(MORVEX_BUILD_TESTS)
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    # No GoogleTest built for Windows on this machine: build it from its
    # sources with the same compiler, in place of the package that
    # find_package(GTest) looks for.
    set(MORVEX_GOOGLETEST_SOURCE_DIR /usr/src/googletest
        CACHE PATH "GoogleTest sources, built when no GoogleTest package for the target is found")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    include(FetchContent)
    FetchContent_Declare(GTest SOURCE_DIR ${MORVEX_GOOGLETEST_SOURCE_DIR} OVERRIDE_FIND_PACKAGE)
    FetchContent_MakeAvailable(GTest)
    # Its code is not ours: built without our warning options.
    set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
  endif()
  if(CMAKE_CROSSCOMPILING)
    # The test lists are read when the tests run, under the emulator, not
    # when they are built. The first listing may wait for Wine to prepare a
    # fresh prefix.
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
    set(MORVEX_DISCOVERY_TIMEOUT 300)
  endif()
endif()
