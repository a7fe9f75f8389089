# Target helpers shared by src/, tests/ and bench/.
#
# Every folder of src/ is one static library, vellumar_<folder> (alias
# vellumar::<folder>), built from the sources of that folder; a folder
# nested in a mode's folder is named by both (src/montage/engine:
# montage_engine). Its dependencies are stated where it is declared, so the
# layering of the program reads off the CMakeLists.txt files of src/.

# vellumar_library(<folder> [QT <Qt components>] [DEPENDS <our folders>] [LIBS <other targets>])
function(vellumar_library folder)
  cmake_parse_arguments(ARG "" "" "QT;DEPENDS;LIBS" ${ARGN})
  set(target vellumar_${folder})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  # Program entry points are not library code.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  # A sub-folder with a CMakeLists.txt of its own is a library of its own
  # (a mode's engine under the mode).
  file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list_file IN LISTS nested)
    get_filename_component(nested_dir ${list_file} DIRECTORY)
    set(kept)
    foreach(source IN LISTS sources)
      string(FIND "${source}" "${nested_dir}/" at)
      if(NOT at EQUAL 0)
        list(APPEND kept ${source})
      endif()
    endforeach()
    set(sources ${kept})
  endforeach()
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")

  set(deps)
  foreach(qt IN LISTS ARG_QT)
    list(APPEND deps Qt6::${qt})
  endforeach()
  foreach(dep IN LISTS ARG_DEPENDS)
    list(APPEND deps vellumar::${dep})
  endforeach()
  list(APPEND deps ${ARG_LIBS})

  if(compiled)
    add_library(${target} STATIC ${sources})
    # The moc scan reruns only for files it has seen before: when the
    # folder gains or loses a file (a merge, a new class), drop its stamp so
    # an incremental build scans again instead of missing a moc file.
    if(NOT "${sources}" STREQUAL "${VELLUMAR_SOURCES_${folder}}")
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
      set(VELLUMAR_SOURCES_${folder} "${sources}" CACHE INTERNAL "")
    endif()
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${deps})
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  else()
    # A folder whose code has not been written yet still exists as a target,
    # so that its dependants can name it already.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
  add_library(vellumar::${folder} ALIAS ${target})
endfunction()

# vellumar_drawn_pictures(<folder> <name> PREFIX <prefix> DIR <dir> DRAW <program> PICTURES <names>)
# Pictures drawn by a program of ours and kept in the repository:
# resources/<dir>/<name>.png for each of <names>, compiled into the folder's
# library under the resource path <prefix>/<name>.png. The program that
# draws them, resources/<program>.cpp, is a target outside the default
# build (its source tells how to run it).
function(vellumar_drawn_pictures folder name)
  cmake_parse_arguments(ARG "" "PREFIX;DIR;DRAW" "PICTURES" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/resources/${ARG_DIR})
  set(pictures ${ARG_PICTURES})
  list(TRANSFORM pictures PREPEND ${dir}/)
  list(TRANSFORM pictures APPEND .png)
  qt_add_resources(vellumar_${folder} ${name} PREFIX ${ARG_PREFIX} BASE ${dir} FILES ${pictures})
  get_filename_component(program ${ARG_DRAW} NAME)
  add_executable(${program} EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/resources/${ARG_DRAW}.cpp)
  target_link_libraries(${program} PRIVATE Qt6::Gui)
endfunction()

# Environment of every test process: offscreen widgets and a home folder of
# the test's own inside the build tree, never the user's.
function(vellumar_test_environment test name)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;VELLUMAR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# vellumar_tests(<folder> [RECURSE] LIBS <targets>)
# Each tst_<name>.cpp of the calling folder (with RECURSE: of its sub-folders
# too) becomes one Qt Test program and one CTest test "<folder>/<name>".
# <folder> may be a path such as montage/engine; the program is then
# test_montage_engine_<name>.
function(vellumar_tests folder)
  cmake_parse_arguments(ARG "RECURSE" "" "LIBS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  else()
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  endif()
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    string(REGEX REPLACE "^tst_" "" name ${base})
    string(REPLACE "/" "_" target test_${folder}_${name})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE Qt6::Test vellumar_testsupport ${ARG_LIBS})
    # A test's own code is mostly calls and checks: unoptimised it compiles
    # faster, and the libraries under test keep their optimisation.
    target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O0>)
    add_test(NAME ${folder}/${name} COMMAND ${target})
    vellumar_test_environment(${folder}/${name} ${target})
  endforeach()
endfunction()

# vellumar_fuzz_target(<name> SOURCE <file> LIBS <targets> CORPUS <dir>)
# With VELLUMAR_FUZZ the source becomes a libFuzzer program fuzz_<name>.
# Otherwise it is linked with a replay driver and CTest runs it over every
# file of <dir>/corpus and <dir>/crashes, so a crash found once stays fixed.
function(vellumar_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "LIBS" ${ARGN})
  set(target fuzz_${name})
  if(VELLUMAR_FUZZ)
    add_executable(${target} ${ARG_SOURCE})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${target} ${ARG_SOURCE} ${PROJECT_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  endif()
  if(NOT VELLUMAR_FUZZ)
    add_test(NAME fuzz/${name}
      COMMAND ${target} ${ARG_CORPUS}/corpus ${ARG_CORPUS}/crashes)
    vellumar_test_environment(fuzz/${name} ${target})
  endif()
endfunction()

# vellumar_tsan_test(<name> PROGRAM <program> [RUN_ENV <VAR=value>...]
#                    [SKIP_RETURN_CODE <code>])
# A ThreadSanitizer test, which cannot share a build with AddressSanitizer:
# the calling folder's tsan/ project is configured and built (quietly, its
# log shown on failure) and its <program> run, as one CTest test
# "<folder>/<name>", <folder> its path under tests/. RUN_ENV is set for the program only. Tests of one
# folder share its build, one at a time.
function(vellumar_tsan_test name)
  cmake_parse_arguments(ARG "" "PROGRAM;SKIP_RETURN_CODE" "RUN_ENV" ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  list(JOIN ARG_RUN_ENV " " env)
  if(env)
    string(APPEND env " ")
  endif()
  add_test(NAME ${folder}/${name}
    COMMAND sh -c "'${CMAKE_COMMAND}' -S '${CMAKE_CURRENT_SOURCE_DIR}/tsan' -B tsan -G '${CMAKE_GENERATOR}' > /dev/null && '${CMAKE_COMMAND}' --build tsan --parallel 2 > tsan/build.log 2>&1 || { cat tsan/build.log; exit 1; }; ${env}tsan/${ARG_PROGRAM}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${folder}/${name} PROPERTIES ENVIRONMENT "TSAN_OPTIONS=halt_on_error=1"
    RESOURCE_LOCK tsan_${folder})
  if(DEFINED ARG_SKIP_RETURN_CODE)
    set_tests_properties(${folder}/${name} PROPERTIES SKIP_RETURN_CODE ${ARG_SKIP_RETURN_CODE})
  endif()
endfunction()

# vellumar_benchmark(<name> SOURCES <files> LIBS <targets>)
function(vellumar_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(bench_${name} ${ARG_SOURCES})
  target_link_libraries(bench_${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
endfunction()
