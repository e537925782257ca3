# The Qt for Windows that scripts/build-qt-windows builds: qtbase with Core, Gui, Widgets,
# PrintSupport and Test, the windows and offscreen platform plugins and the windowsvista
# style. Loaded with `cmake -C`; scripts/build-qt-windows keys its cache on this file, so
# a change here builds Qt anew.

set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")

# What the calendar does not use, off so that the build stays short.
set(FEATURE_network OFF CACHE BOOL "")
set(FEATURE_sql OFF CACHE BOOL "")
set(FEATURE_dbus OFF CACHE BOOL "")
set(FEATURE_xml OFF CACHE BOOL "")
set(FEATURE_concurrent OFF CACHE BOOL "")
set(FEATURE_opengl OFF CACHE BOOL "")
# Qt 6.4 leaves dynamic GL on with OpenGL off, and the windows plugin then fails to compile.
set(FEATURE_dynamicgl OFF CACHE BOOL "")
set(FEATURE_vulkan OFF CACHE BOOL "")
# Debian's source leaves out the Wintab header (src/3rdparty/wintab) for licence reasons.
set(FEATURE_tabletevent OFF CACHE BOOL "")
# Direct2D stays: without it Qt Gui leaves out its DirectWrite font engine, which the
# Windows print engine still calls, and Qt PrintSupport fails to link.
set(FEATURE_sessionmanager OFF CACHE BOOL "")
# The pictures are PNG; the icon is ICO.
set(FEATURE_jpeg OFF CACHE BOOL "")
set(FEATURE_gif OFF CACHE BOOL "")
# Windows itself gives the locale's names and the text boundaries.
set(FEATURE_icu OFF CACHE BOOL "")
set(FEATURE_zstd OFF CACHE BOOL "")

# Qt's own copies of the libraries, never whatever a MinGW root may hold.
set(FEATURE_pkg_config OFF CACHE BOOL "")
set(FEATURE_system_zlib OFF CACHE BOOL "")
set(FEATURE_system_png OFF CACHE BOOL "")
set(FEATURE_system_pcre2 OFF CACHE BOOL "")
set(FEATURE_system_harfbuzz OFF CACHE BOOL "")
set(FEATURE_system_freetype OFF CACHE BOOL "")
set(FEATURE_system_doubleconversion OFF CACHE BOOL "")

set(FEATURE_testlib ON CACHE BOOL "")
set(FEATURE_printsupport ON CACHE BOOL "")
set(FEATURE_widgets ON CACHE BOOL "")
