# Helpers shared by every folder's CMakeLists.

function(kv_apply_warnings)
  add_compile_options(-Wall -Wextra -Wpedantic)
  if(KV_WERROR)
    add_compile_options(-Werror)
  endif()
endfunction()

# kv_folder_library(<target> LIBS <deps...>)
# Builds every .cpp of the calling folder into one static library.
function(kv_folder_library target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${all})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
    # moc must look again when a file joins or leaves the folder, but the moc step's ninja rule
    # only knows the files it saw last time: forget its stamp when the list of sources changes.
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
    string(REPLACE ";" "\n" listed "${all}")
    set(previous "")
    if(EXISTS ${list_file})
      file(READ ${list_file} previous)
    endif()
    if(NOT previous STREQUAL "${listed}")
      file(WRITE ${list_file} "${listed}")
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    endif()
  else()
    # A folder that has no sources yet still takes its place in the chain.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# kv_folder_tests(LIBS <deps...>)
# Every test_*.cpp of the calling folder becomes one Qt Test executable and one CTest test,
# run on the offscreen platform with its own settings and temporary folders.
function(kv_folder_tests)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  foreach(source ${tests})
    get_filename_component(name ${source} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} kv_testsupport Qt6::Test)
    add_test(NAME ${folder}.${name} COMMAND ${target})
    set_tests_properties(${folder}.${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
      TIMEOUT 120)
  endforeach()
endfunction()
