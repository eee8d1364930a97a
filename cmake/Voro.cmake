# Build helpers shared by every folder.

if(VORO_SANITIZE)
    add_compile_options(-fsanitize=${VORO_SANITIZE} -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${VORO_SANITIZE})
endif()

# The distribution's hardening, as Debian builds its programs: fortified libc calls, the
# stack protector, format strings checked, position-independent executables, and relocations
# resolved at start and then made read-only (full RELRO). Fortification needs the optimiser and
# keeps the sanitizers from seeing those calls, so Debug and instrumented builds go without it.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
if(NOT VORO_SANITIZE AND NOT VORO_FUZZ)
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
add_link_options(-Wl,-z,relro,-z,now)

# What the sanitizers are told in every test: report with a stack and end the test at the first
# finding (undefined behaviour too, which would otherwise print a line and go on), and pass over
# what Qt's own plugins and libraries leave behind (tests/*.supp).
set(VORO_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp:halt_on_error=0:second_deadlock_stack=1")

# Fuzzing: every library gets the fuzzer's coverage hooks and the address and undefined
# behaviour checks; the fuzz targets themselves link libFuzzer (fuzz/CMakeLists.txt). Undefined
# behaviour stops the run, so that the fuzzer keeps the input.
if(VORO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VORO_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
        -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=fuzzer-no-link,address,undefined)
endif()

# Our own code is held to warnings-as-errors; Qt's and Qwt's headers are system headers.
function(voro_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A static library of one layer, with includes written from the repository root.
function(voro_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
    voro_warnings(${name})
endfunction()

# A Qt Test executable registered with CTest: headless platform, its own settings store,
# a label per subsystem and a time-out, so that no test touches the user's settings or hangs CI.
function(voro_add_test name)
    cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        VORO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VORO_BINARY_DIR="${PROJECT_BINARY_DIR}")
    voro_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(home "${PROJECT_BINARY_DIR}/test-home/${name}")
    file(MAKE_DIRECTORY "${home}")
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABEL}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${home}/config;HOME=${home};QT_LOGGING_RULES=qt.qpa.*=false;${VORO_SANITIZER_ENVIRONMENT}")
endfunction()

# A benchmark: built with the rest, run by hand (see bench/README.md), never by CTest.
function(voro_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    voro_warnings(${name})
endfunction()
