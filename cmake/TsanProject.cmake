# Settings shared by the ThreadSanitizer projects under tests/*/tsan, each a
# project of its own (ThreadSanitizer cannot share a build with the main
# build's AddressSanitizer). Included after project(); sets `root` to the
# repository.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Debug)
endif()
set(CMAKE_CXX_FLAGS_DEBUG "-g -O1")
add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
add_link_options(-fsanitize=thread)

get_filename_component(root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
# TsanCheck.h, the programs' verdict.
include_directories(${root}/tests/support)
