# Channel databases of the tests, the benchmarks and the demo: SQLite files named as the TV
# application names its database (hcwChanDB_4.mdb), which the SQLite ODBC driver reads in
# place of the Access driver.
#   vidalto_bases_chaines(TARGET DOSSIER SQL_CHAINES)
# makes DOSSIER/chaines/hcwChanDB_4.mdb (the table hcwChannels, then SQL_CHAINES) and
# DOSSIER/vide/hcwChanDB_4.mdb (the table without rows), built by the target TARGET.
find_program(VIDALTO_SQLITE3 sqlite3 REQUIRED)

function(vidalto_bases_chaines cible dossier sqlChaines)
  set(table ${PROJECT_SOURCE_DIR}/tests/odbc/hcwChannels.sql)
  set(chaines ${dossier}/chaines/hcwChanDB_4.mdb)
  set(vide ${dossier}/vide/hcwChanDB_4.mdb)
  add_custom_command(
    OUTPUT ${chaines} ${vide}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}/chaines ${dossier}/vide
    COMMAND ${CMAKE_COMMAND} -E rm -f ${chaines} ${vide}
    COMMAND ${VIDALTO_SQLITE3} ${chaines} ".read ${table}" ".read ${sqlChaines}"
    COMMAND ${VIDALTO_SQLITE3} ${vide} ".read ${table}"
    DEPENDS ${table} ${sqlChaines}
    VERBATIM)
  add_custom_target(${cible} DEPENDS ${chaines} ${vide})
endfunction()
