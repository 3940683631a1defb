# The Windows program links no C or C++ runtime: everything it needs is its
# own code and the three system DLLs.
enable_language(RC)

set(NO_RUNTIME_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-stack-protector -fno-threadsafe-statics -ffunction-sections -fdata-sections)

add_library(numbering STATIC ${NUMBERING_SOURCES})
target_include_directories(numbering PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(numbering PRIVATE ${NO_RUNTIME_FLAGS})

add_executable(zantopo WIN32
  ${WINDOW_SIDE_SOURCES}
  platform/entry_win.cpp
  resources/zantopo.rc)
target_link_libraries(zantopo PRIVATE numbering)
target_compile_options(zantopo PRIVATE ${NO_RUNTIME_FLAGS})

# i386 C names carry a leading underscore.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ENTRY_SYMBOL _StartZantopo)
else()
  set(ENTRY_SYMBOL StartZantopo)
endif()
# The link line is set whole so that CMake adds no default libraries.
set(CMAKE_CXX_STANDARD_LIBRARIES "")
target_link_options(zantopo PRIVATE
  -nostdlib -mwindows -s
  -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0
  -Wl,-e,${ENTRY_SYMBOL} -Wl,--gc-sections -Wl,--no-insert-timestamp)
target_link_libraries(zantopo PRIVATE kernel32 user32 gdi32)

# Test tools for the end-to-end suite: ordinary console programs with the
# runtime, run under Wine by the 64-bit build's tests only.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  foreach(tool target probe)
    add_executable(e2e_${tool} tests/e2e/${tool}.cpp)
    set_target_properties(e2e_${tool} PROPERTIES OUTPUT_NAME ${tool})
    target_link_options(e2e_${tool} PRIVATE -static -s)
    target_link_libraries(e2e_${tool} PRIVATE user32 gdi32)
  endforeach()

  add_executable(e2e_minimal WIN32 tests/e2e/minimal.cpp)
  set_target_properties(e2e_minimal PROPERTIES OUTPUT_NAME minimal)
  target_compile_options(e2e_minimal PRIVATE ${NO_RUNTIME_FLAGS})
  target_link_options(e2e_minimal PRIVATE -nostdlib -mwindows -s -Wl,-e,StartMinimal)
  target_link_libraries(e2e_minimal PRIVATE kernel32 user32 gdi32)
endif()
