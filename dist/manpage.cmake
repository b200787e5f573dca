# Writes the German manual page of one program from its --help text (help2man), gzip -9n.
# cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DOUTPUT=....1.gz -P manpage.cmake
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
get_filename_component(page "${OUTPUT}" NAME_WLE)
set(raw "${OUTPUT}.tmp")

execute_process(
  COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --no-discard-stderr --section=1 --name=${SUMMARY}
          --version-string=${VERSION} --source=Wetterpult --manual=Benutzerbefehle
          --output=${raw} ${PROGRAM}
  COMMAND_ERROR_IS_FATAL ANY)

# help2man names the sections in English; the program speaks German.
file(READ "${raw}" text)
foreach(pair "NAME;BEZEICHNUNG" "SYNOPSIS;ÜBERSICHT" "DESCRIPTION;BESCHREIBUNG" "OPTIONS;OPTIONEN")
  list(GET pair 0 english)
  list(GET pair 1 german)
  string(REGEX REPLACE "\n\\.SH ${english}\n" "\n.SH ${german}\n" text "${text}")
endforeach()
# help2man's own "Usage:" heading line becomes the synopsis; Wetterpult's help says "Aufruf:".
string(REPLACE "\n.SH BESCHREIBUNG\nAufruf:" "\n.SH ÜBERSICHT\nAufruf:" text "${text}")
foreach(pair "January;Januar" "February;Februar" "March;März" "May;Mai" "June;Juni" "July;Juli"
        "October;Oktober" "December;Dezember")
  list(GET pair 0 english)
  list(GET pair 1 german)
  string(REGEX REPLACE "(\n\\.TH [^\n]*\")${english} " "\\1${german} " text "${text}")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")

execute_process(COMMAND ${GZIP} -9nc ${raw} OUTPUT_FILE ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${raw})
