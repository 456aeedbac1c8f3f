# SPDX-License-Identifier: GPL-3.0-or-later
# kalvion_manpage(<program> SPRACHE <de|en> [SEITE <file>] [BESCHREIBUNG <text>])
#
# Installs the section-1 manual page of <program> in one language, gzipped as
# Debian expects: English into man/man1, where man looks when no page in the
# user's language exists, every other language into man/<language>/man1.
# With SEITE the page is written by hand (@VAR@ references such as
# @PROJECT_VERSION@ are filled in). Without it the page is generated with
# help2man from the target <program>'s --help and --version output in that
# language; BESCHREIBUNG is then the one-line text of its NAME section.
find_program(HELP2MAN_EXECUTABLE help2man)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

# The locale a program's --help is read in, per page language.
set(KALVION_HANDBUCH_LOCALE_de de_DE.UTF-8)
set(KALVION_HANDBUCH_LOCALE_en C.UTF-8)

function(kalvion_manpage programm)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SPRACHE;SEITE;BESCHREIBUNG" "")
  if(NOT DEFINED KALVION_HANDBUCH_LOCALE_${arg_SPRACHE})
    message(FATAL_ERROR "kalvion_manpage(${programm}): SPRACHE de or en expected, not '${arg_SPRACHE}'")
  endif()
  set(ordner ${CMAKE_CURRENT_BINARY_DIR}/handbuch/${arg_SPRACHE})
  set(roh ${ordner}/${programm}.1)
  set(gepackt ${roh}.gz)

  if(arg_SEITE)
    get_filename_component(quelle ${arg_SEITE} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    configure_file(${quelle} ${roh} @ONLY)
  elseif(HELP2MAN_EXECUTABLE)
    set(name_option)
    if(arg_BESCHREIBUNG)
      set(name_option --name=${arg_BESCHREIBUNG})
    endif()
    # The program runs at build time, so it must not need a display. Found
    # through PATH, it shows its bare name in its usage line, not the build folder.
    add_custom_command(OUTPUT ${roh}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}
      COMMAND ${CMAKE_COMMAND} -E env
              --unset=LANGUAGE --modify PATH=path_list_prepend:$<TARGET_FILE_DIR:${programm}>
              QT_QPA_PLATFORM=offscreen
              ${HELP2MAN_EXECUTABLE} -L ${KALVION_HANDBUCH_LOCALE_${arg_SPRACHE}} --no-info
              ${name_option} --output=${roh} $<TARGET_FILE_NAME:${programm}>
      DEPENDS ${programm}
      COMMENT "Handbuchseite ${programm}.1 (${arg_SPRACHE}) aus --help"
      VERBATIM)
  else()
    message(WARNING "help2man not found: no manual page for ${programm} (${arg_SPRACHE})")
    return()
  endif()

  kalvion_gzip(${roh} ${programm}_handbuch_${arg_SPRACHE})
  if(arg_SPRACHE STREQUAL "en")
    set(ziel ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    set(ziel ${CMAKE_INSTALL_MANDIR}/${arg_SPRACHE}/man1)
  endif()
  install(FILES ${gepackt} DESTINATION ${ziel})
endfunction()

# kalvion_gzip(<file> <target>)
#
# Compresses <file> into <file>.gz beside it, as Debian wants its manual pages
# and changelogs: best compression, and -n keeps the name and time stamp out,
# so the file is the same on every build. <target> (built by default) makes it.
function(kalvion_gzip datei ziel)
  add_custom_command(OUTPUT ${datei}.gz
    COMMAND ${GZIP_EXECUTABLE} -9nf --keep ${datei}
    DEPENDS ${datei}
    VERBATIM)
  add_custom_target(${ziel} ALL DEPENDS ${datei}.gz)
endfunction()
