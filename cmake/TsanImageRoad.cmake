# The image road (the picture decoders and what they link) and the CPU
# executor, built for a ThreadSanitizer project under tests/ as the
# library image_road_tsan. Included after TsanProject.cmake.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(TIFF REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBRAW REQUIRED IMPORTED_TARGET libraw_r)

set(files ${root}/src/files)
add_library(image_road_tsan STATIC
  ${files}/IQAreaScaler.cpp ${files}/IQCommon.cpp ${files}/IQImageDecoders.cpp ${files}/IQImageIO.cpp
  ${files}/IQImageLimits.cpp ${files}/IQImageStructure.cpp ${files}/IQJpegDecoder.cpp ${files}/IQMath.cpp
  ${files}/IQPngRowDecoder.cpp ${files}/IQTiffRowDecoder.cpp
  ${root}/src/rawplugin/RawIOHandler.cpp ${root}/src/rawplugin/RawImage.cpp
  ${root}/src/platform/MacOSIO.cpp
  ${root}/src/concurrency/CpuExecutor.cpp)
target_include_directories(image_road_tsan PUBLIC ${root}/src)
target_link_libraries(image_road_tsan PUBLIC Qt6::Core Qt6::Gui JPEG::JPEG PNG::PNG TIFF::TIFF PkgConfig::LIBRAW)
