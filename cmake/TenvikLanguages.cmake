# The languages the program ships are the translation files in translations/: each
# tenvik_<language>.ts is one language ("es", "fr_CA"), except tenvik_en.ts, which holds only
# the English plural forms. Adding a language is adding its file (and its Help pictures);
# the translations, the embedded pictures and the tests follow from the files. The globs are
# checked again at every build, so a new file needs no manual reconfigure.

# tenvik_shipped_languages(<out>): the languages besides English, sorted.
function(tenvik_shipped_languages out)
  file(GLOB names CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/translations
    ${PROJECT_SOURCE_DIR}/translations/tenvik_*.ts)
  set(languages "")
  foreach(name IN LISTS names)
    string(REGEX REPLACE "^tenvik_(.+)\\.ts$" "\\1" language "${name}")
    if(NOT language STREQUAL "en")
      list(APPEND languages ${language})
    endif()
  endforeach()
  list(SORT languages)
  set(${out} ${languages} PARENT_SCOPE)
endfunction()

# tenvik_write_pictures_qrc(<file>): writes the resource file of the window's pictures under
# ":/img": the English Help pictures, each shipped language's pair that resources/ holds,
# and the sextant. A language whose pictures are not drawn yet is left out, so the build
# still works and the window tests name what is missing.
function(tenvik_write_pictures_qrc file)
  set(resources ${PROJECT_SOURCE_DIR}/resources)
  # Only to build again when a picture comes or goes.
  file(GLOB pictures CONFIGURE_DEPENDS ${resources}/help*.png)
  set(names help.png help-calendar.png)
  tenvik_shipped_languages(languages)
  foreach(language IN LISTS languages)
    foreach(name help-${language}.png help-calendar-${language}.png)
      if(EXISTS ${resources}/${name})
        list(APPEND names ${name})
      endif()
    endforeach()
  endforeach()
  # One folder, so a picture's "@2x" variant lies beside it.
  list(APPEND names sextant.png sextant@2x.png)
  set(entries "")
  foreach(name IN LISTS names)
    string(APPEND entries "    <file alias=\"${name}\">${resources}/${name}</file>\n")
  endforeach()
  file(WRITE ${file}.new
    "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/img\">\n${entries}  </qresource>\n</RCC>\n")
  # Copied only when it changes, so a reconfigure rebuilds nothing.
  configure_file(${file}.new ${file} COPYONLY)
endfunction()
