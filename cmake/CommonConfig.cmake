# Compile settings shared by every target of the project: link
# halvenor_common and nothing else needs to be repeated.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

option(HALVENOR_ASAN "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(HALVENOR_TSAN "Build with ThreadSanitizer" OFF)
option(HALVENOR_WERROR "Treat warnings as errors" OFF)

if(HALVENOR_ASAN AND HALVENOR_TSAN)
    message(FATAL_ERROR "HALVENOR_ASAN and HALVENOR_TSAN cannot be combined")
endif()

add_library(halvenor_common INTERFACE)
target_compile_options(halvenor_common INTERFACE -Wall -Wextra)
if(HALVENOR_WERROR)
    target_compile_options(halvenor_common INTERFACE -Werror)
endif()
target_compile_definitions(halvenor_common INTERFACE _FILE_OFFSET_BITS=64)

if(HALVENOR_ASAN)
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(halvenor_common INTERFACE ${_san})
    target_link_options(halvenor_common INTERFACE ${_san})
endif()
if(HALVENOR_TSAN)
    set(_san -fsanitize=thread -fno-omit-frame-pointer)
    target_compile_options(halvenor_common INTERFACE ${_san})
    target_link_options(halvenor_common INTERFACE ${_san})
endif()

# Fuzzing build (tests/fuzz): clang only; every library carries libFuzzer's
# coverage hooks and ASan/UBSan, the fuzz executables add libFuzzer's main.
option(HALVENOR_FUZZ "Build the libFuzzer targets (configure with CC=clang CXX=clang++)" OFF)
if(HALVENOR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "HALVENOR_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    if(HALVENOR_ASAN OR HALVENOR_TSAN)
        message(FATAL_ERROR "HALVENOR_FUZZ brings its own sanitizers; leave HALVENOR_ASAN/TSAN off")
    endif()
    target_compile_options(halvenor_common INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(halvenor_common INTERFACE -fsanitize=address,undefined)
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
