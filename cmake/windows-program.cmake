# The Windows program links no C or C++ runtime: everything it needs is its
# own code and the three system DLLs.
set(NO_RUNTIME_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-stack-protector -fno-threadsafe-statics)

add_library(numbering STATIC ${NUMBERING_SOURCES})
target_include_directories(numbering PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(numbering PRIVATE ${NO_RUNTIME_FLAGS})
