# What a Windows user downloads, in dist/ of the build tree: the plain
# program, stripped (halvora.exe), and its installer
# (halvora-VERSION-telepito.exe), made with NSIS's makensis from
# halvora.nsi beside this file. Both are built with the program.
# Needs the target halvora and cmake/Version.cmake.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
    message(FATAL_ERROR "The Windows installer needs makensis (Debian's package nsis): "
                        "bash scripts/install-deps.sh windows")
endif()

set(HALVORA_DIST_DIR "${CMAKE_BINARY_DIR}/dist")
set(HALVORA_DIST_PROGRAM "${HALVORA_DIST_DIR}/halvora.exe")
set(HALVORA_INSTALLER "${HALVORA_DIST_DIR}/halvora-${HALVORA_VERSION}-telepito.exe")
set(script "${CMAKE_CURRENT_LIST_DIR}/halvora.nsi")

add_custom_command(
    OUTPUT "${HALVORA_DIST_PROGRAM}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${HALVORA_DIST_DIR}"
    COMMAND ${CMAKE_STRIP} -o "${HALVORA_DIST_PROGRAM}" $<TARGET_FILE:halvora>
    DEPENDS halvora
    COMMENT "Stripping halvora.exe into dist/"
    VERBATIM)
add_custom_command(
    OUTPUT "${HALVORA_INSTALLER}"
    COMMAND "${MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8 "-DVERSION=${HALVORA_VERSION}"
            "-DPRODUCT_VERSION=${HALVORA_PRODUCT_VERSION}" "-DCOMPANY=${HALVORA_COMPANY}"
            "-DDESCRIPTION=${HALVORA_FILE_DESCRIPTION}" "-DPROGRAM=${HALVORA_DIST_PROGRAM}"
            "-DICON=${HALVORA_ICON_ICO}" "-DOUTFILE=${HALVORA_INSTALLER}" "${script}"
    DEPENDS "${HALVORA_DIST_PROGRAM}" "${script}" "${HALVORA_ICON_ICO}"
    COMMENT "Making the installer ${HALVORA_INSTALLER}"
    VERBATIM)
add_custom_target(installer ALL DEPENDS "${HALVORA_DIST_PROGRAM}" "${HALVORA_INSTALLER}")

if(HALVORA_BUILD_TESTS)
    add_test(NAME packaging.windows_installer
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tests/installer_life_cycle.sh "${HALVORA_INSTALLER}"
                     "${HALVORA_DIST_PROGRAM}" $<TARGET_FILE:halvora_probe>
                     ${CMAKE_BINARY_DIR}/wine-installer ${CMAKE_BINARY_DIR}/screenshots/installer)
    set_tests_properties(packaging.windows_installer
                         PROPERTIES LABELS package TIMEOUT 180 SKIP_RETURN_CODE 77)
endif()
