# One interface target carries the language standard, the warnings and the
# sanitizer switches for every target of the project.
add_library(kestrava_options INTERFACE)
target_compile_features(kestrava_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(kestrava_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
# g++ 12 at -O2 and above reports overlapping copies inside std::string's own
# operator+ that cannot happen (GCC bug 105329); later releases no longer do.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(kestrava_options INTERFACE -Wno-restrict)
endif()

if(KESTRAVA_SANITIZE)
    target_compile_options(kestrava_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(kestrava_options INTERFACE -fsanitize=address,undefined)
endif()

# Qt targets additionally refuse implicit casts from char* and context-less connects.
add_library(kestrava_qt_options INTERFACE)
target_link_libraries(kestrava_qt_options INTERFACE kestrava_options)
target_compile_definitions(kestrava_qt_options INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)

# The fuzz build instruments the core for coverage-guided fuzzing.
if(KESTRAVA_FUZZ)
    target_compile_options(kestrava_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(kestrava_options INTERFACE -fsanitize=address,undefined)
endif()
