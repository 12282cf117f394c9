# The serial core: the port, its threads and the hand-off of their
# reports. Plain C++ without Qt, one backend per platform, so that it also
# builds where Qt does not (the MinGW cross build of its tests).
#
# lumora_add_serial_core(<target> [PORTABLE]): PORTABLE leaves out the
# Linux-only line-error counts, for the build that proves the POSIX
# backend needs nothing beyond POSIX.
function(lumora_add_serial_core target)
    cmake_parse_arguments(C "PORTABLE" "" "" ${ARGN})
    set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(sources ${dir}/ChunkAssembler.cpp ${dir}/LinkMailbox.cpp)
    if(WIN32)
        list(APPEND sources ${dir}/WakeSignal_win.cpp ${dir}/SerialLink_win.cpp)
    else()
        list(APPEND sources ${dir}/WakeSignal_unix.cpp ${dir}/SerialLink_unix.cpp)
        if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT C_PORTABLE)
            list(APPEND sources ${dir}/LineErrorCounter_linux.cpp)
        else()
            list(APPEND sources ${dir}/LineErrorCounter_posix.cpp)
        endif()
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${dir}/..)
    find_package(Threads REQUIRED)
    target_link_libraries(${target} PUBLIC Threads::Threads)
endfunction()
