# Registers every GoogleTest case of a test program as a test of its own. A
# cross build lists the cases by running the program under the emulator, whose
# first start takes a while: wine makes its prefix then.
function(halvora_gtests target)
    if(CMAKE_CROSSCOMPILING)
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120)
    else()
        gtest_discover_tests(${target})
    endif()
endfunction()
