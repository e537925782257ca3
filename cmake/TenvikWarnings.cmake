# Every target of ours links tenvik_warnings: the same warnings everywhere, and the Qt
# definitions that catch lossy or implicit conversions at compile time. CI turns the
# warnings into errors.
add_library(tenvik_warnings INTERFACE)
if(MSVC)
  # MSVC's own words for the same (the Windows presets; not built here). The sources are
  # UTF-8, which MSVC assumes only when told.
  target_compile_options(tenvik_warnings INTERFACE "$<$<COMPILE_LANGUAGE:CXX>:/W4;/permissive-;/utf-8>")
  if(TENVIK_WERROR)
    target_compile_options(tenvik_warnings INTERFACE "$<$<COMPILE_LANGUAGE:CXX>:/WX>")
  endif()
else()
  # C++ only: the one C target, SQLite built from its sources, is not ours to warn about.
  target_compile_options(tenvik_warnings INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wold-style-cast;-Woverloaded-virtual;-Wnon-virtual-dtor>")
  if(TENVIK_WERROR)
    target_compile_options(tenvik_warnings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
  endif()
endif()
# Harmless for the targets without Qt; for the others they forbid narrowing in connect(),
# build strings without temporaries, and make every QString/QUrl conversion explicit: a
# char array or a QByteArray becomes a QString only through QStringLiteral, u""_s,
# QLatin1StringView or QString::fromUtf8, so no text's encoding is guessed.
target_compile_definitions(tenvik_warnings INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_FROM_BYTEARRAY)

function(tenvik_set_warnings target)
  target_link_libraries(${target} PRIVATE tenvik_warnings)
endfunction()
