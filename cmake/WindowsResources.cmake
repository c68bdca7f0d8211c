# The executable's Windows resources: the version record as VERSIONINFO, the
# program's icon and its application manifest. The .rc is configured on every platform so that its text can be
# checked anywhere; only a Windows build compiles it (CMake enables the RC
# language there by itself).
# Needs cmake/Version.cmake first.

set(HALVORA_ICON_ICO "${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/halvora.ico")
cmake_path(NORMAL_PATH HALVORA_ICON_ICO)
set(HALVORA_MANIFEST "${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/halvora.manifest")
cmake_path(NORMAL_PATH HALVORA_MANIFEST)
set(HALVORA_WINDOWS_RC "${CMAKE_BINARY_DIR}/generated/windows/halvora.rc")
configure_file("${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/halvora.rc.in"
               "${HALVORA_WINDOWS_RC}" @ONLY)

function(halvora_add_windows_resources target)
    if(WIN32)
        target_sources(${target} PRIVATE "${HALVORA_WINDOWS_RC}")
    endif()
endfunction()
