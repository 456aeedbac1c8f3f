# kalvion_manpage(<program> [SEITE <file>] [BESCHREIBUNG <text>])
#
# Installs the section-1 manual page of <program>, gzipped as Debian expects.
# With SEITE the page is written by hand (@VAR@ references such as
# @PROJECT_VERSION@ are filled in). Without it the page is generated with
# help2man from the target <program>'s German --help and --version output;
# BESCHREIBUNG is then the one-line text of its NAME section.
find_program(HELP2MAN_EXECUTABLE help2man)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(kalvion_manpage programm)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SEITE;BESCHREIBUNG" "")
  set(roh ${CMAKE_CURRENT_BINARY_DIR}/${programm}.1)
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
      COMMAND ${CMAKE_COMMAND} -E env
              --modify PATH=path_list_prepend:$<TARGET_FILE_DIR:${programm}>
              QT_QPA_PLATFORM=offscreen
              ${HELP2MAN_EXECUTABLE} -L de_DE.UTF-8 --no-info
              ${name_option} --output=${roh} $<TARGET_FILE_NAME:${programm}>
      DEPENDS ${programm}
      COMMENT "Handbuchseite ${programm}.1 aus --help"
      VERBATIM)
  else()
    message(WARNING "help2man not found: no manual page for ${programm}")
    return()
  endif()

  # -n keeps the time stamp out, so the page is the same on every build.
  add_custom_command(OUTPUT ${gepackt}
    COMMAND ${GZIP_EXECUTABLE} -9nf --keep ${roh}
    DEPENDS ${roh}
    VERBATIM)
  add_custom_target(${programm}_handbuch ALL DEPENDS ${gepackt})
  install(FILES ${gepackt} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
