# Builds other than the fuzz build still compile the fuzz targets' sources (without
# linking them), so that a change to the readers they drive cannot break them unseen.
# FuzzedDataProvider.h comes with clang's own headers.
file(GLOB _nuvra_clang_includes /usr/lib/llvm-*/lib/clang/*/include)
find_path(NUVRA_FUZZED_DATA_PROVIDER_DIR fuzzer/FuzzedDataProvider.h PATHS ${_nuvra_clang_includes})
if(NOT NUVRA_FUZZED_DATA_PROVIDER_DIR OR NOT TARGET nuvra_render)
  message(STATUS "fuzz sources not compiled: no FuzzedDataProvider.h or no renderer")
  return()
endif()
file(GLOB _nuvra_fuzz_sources ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(nuvra_fuzz_sources OBJECT ${_nuvra_fuzz_sources})
target_include_directories(nuvra_fuzz_sources PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# Only that header: clang's folder also holds its own stddef.h and others, which gcc
# must not see.
configure_file(${NUVRA_FUZZED_DATA_PROVIDER_DIR}/fuzzer/FuzzedDataProvider.h
  ${CMAKE_BINARY_DIR}/fuzz-include/fuzzer/FuzzedDataProvider.h COPYONLY)
target_include_directories(nuvra_fuzz_sources SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/fuzz-include)
target_link_libraries(nuvra_fuzz_sources PRIVATE nuvra_render nuvra_warnings)
target_compile_definitions(nuvra_fuzz_sources PRIVATE
  NUVRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" NUVRA_FUZZ_APP_FOLDER="${CMAKE_BINARY_DIR}/bin")
