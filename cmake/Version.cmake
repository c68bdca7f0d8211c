# The program's version record, in one place: the about box, the Qt application's
# metadata, the Windows VERSIONINFO and the packages all read it from here.
# Include right after project(), which gives the program version.

set(HALVORA_COMPANY "Dorvanta")
set(HALVORA_PRODUCT "Halvora")
set(HALVORA_INTERNAL_NAME "${HALVORA_PRODUCT}")
set(HALVORA_FILE_DESCRIPTION "Halvora keresése oda és vissza")
set(HALVORA_FILE_VERSION "1.00")
set(HALVORA_PRODUCT_VERSION "${HALVORA_FILE_VERSION}")
set(HALVORA_ORIGINAL_FILENAME "halvora.exe")
set(HALVORA_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(HALVORA_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(HALVORA_VERSION_REVISION ${PROJECT_VERSION_PATCH})
set(HALVORA_VERSION "${PROJECT_VERSION}")

if(NOT HALVORA_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "project(VERSION) must be major.minor.revision, not '${HALVORA_VERSION}'")
endif()

set(HALVORA_VERSION_INCLUDE_DIR "${CMAKE_BINARY_DIR}/generated/version/include")
configure_file("${CMAKE_CURRENT_LIST_DIR}/version/version.h.in"
               "${HALVORA_VERSION_INCLUDE_DIR}/halvora/version.h" @ONLY)

add_library(halvora_version INTERFACE)
add_library(halvora::version ALIAS halvora_version)
target_include_directories(halvora_version INTERFACE "${HALVORA_VERSION_INCLUDE_DIR}")
target_compile_features(halvora_version INTERFACE cxx_std_20)
if(MSVC)
    # The record holds Hungarian letters; read the header as the UTF-8 it is.
    target_compile_options(halvora_version INTERFACE /utf-8)
endif()
