# Fails when a language's .ts file lacks a text the code marks for translation,
# keeps one the code no longer has, or leaves one untranslated: the code's texts
# come from lupdate's fresh view of the sources (the pseudo-language's source).
#   cmake -DSOURCE_TS=<fresh.ts> -DTS_FILES=<a.ts;b.ts> -P TranslationsComplete.cmake
function(sources_of file out)
  file(READ ${file} content)
  # A semicolon would split a CMake list item (&apos; has one).
  string(REPLACE ";" "%semicolon%" content "${content}")
  string(REGEX MATCHALL "<source>[^<]*</source>" lines "${content}")
  list(SORT lines)
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

sources_of(${SOURCE_TS} wanted)
list(LENGTH wanted count)
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  sources_of(${ts} held)
  if(NOT held STREQUAL wanted)
    set(missing ${wanted})
    list(REMOVE_ITEM missing ${held})
    set(extra ${held})
    list(REMOVE_ITEM extra ${wanted})
    message(SEND_ERROR "${ts} is not up to date with the code (cmake --build <build> --target update_translations)\n"
                       "  missing: ${missing}\n  no longer in the code: ${extra}")
    set(failed TRUE)
  endif()
  file(STRINGS ${ts} unfinished REGEX "type=\"unfinished\"")
  list(LENGTH unfinished open)
  if(open GREATER 0)
    message(SEND_ERROR "${ts}: ${open} text(s) still untranslated")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "every language has all ${count} texts, translated")
endif()
