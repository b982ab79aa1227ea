# The installer's registry rows come from the registration table itself: this program runs on
# the build machine and prints them for scripts/build-msi. A cross build makes it too, for the
# registration test that checks the same keys under Wine.
add_executable(registry_table ${CMAKE_SOURCE_DIR}/installer/registry_table.cpp)
target_link_libraries(registry_table PRIVATE tessaly_registration tessaly_text)
set_target_properties(registry_table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(TESSALY_TESTS AND NOT CMAKE_CROSSCOMPILING)
  # Every entry of the table fits a row as it is; an entry that would need escaping stops the
  # program here, long before the packages are built under CI's Windows run.
  add_test(NAME registry_table_per_user COMMAND registry_table HKCU)
  add_test(NAME registry_table_machine_wide COMMAND registry_table HKLM)
endif()
