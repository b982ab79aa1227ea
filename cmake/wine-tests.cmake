# A cross build's tests run under Wine, through CTest like the Linux ones: CMake puts
# scripts/wine-run in front of every test program, and one fixture makes the run's fresh Wine
# prefix first and removes it last. The Windows programs share one prefix and one window
# station, so they run one at a time.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TESSALY_WINE_ARCH x64)
else()
  set(TESSALY_WINE_ARCH x86)
endif()
# Beside the build folder, not in it: the mutation driver takes the first word of a test's
# command that lies in the build folder for the test's program, and would take the prefix.
set(TESSALY_WINE_PREFIX ${CMAKE_BINARY_DIR}-wine-prefix)
set(TESSALY_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run ${TESSALY_WINE_ARCH} ${TESSALY_WINE_PREFIX})
set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSALY_WINE_RUN})

add_test(NAME wine_prefix
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix ${TESSALY_WINE_ARCH} ${TESSALY_WINE_PREFIX})
add_test(NAME wine_prefix_removal
         COMMAND sh -c "WINEPREFIX='${TESSALY_WINE_PREFIX}' wineserver -k 2>/dev/null; rm -rf '${TESSALY_WINE_PREFIX}'")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine SKIP_RETURN_CODE 77 RESOURCE_LOCK wine)
set_tests_properties(wine_prefix_removal PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine)

# A test that runs under Wine: add_test's arguments after the name.
function(tessaly_wine_test name)
  add_test(NAME ${name} ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine SKIP_RETURN_CODE 77
                                          RESOURCE_LOCK wine)
endfunction()
