# docs/pannes.md must name the calls of src/ (comments, texts skipped): COM methods through a
# ComPtr<I..>/I..* of the file (`p->M(`; `p.As(&q)`: QueryInterface), `Reg*(`, `SQL*(`, `Co*(`, SYSTEME, names
# given to GetProcAddress; each row names a Suite.Test that is a TEST/TEST_F/TEST_P, or "—" where no
# failure needs one.
#   cmake [-DRACINE=<source folder>] -P MatricePannes.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED RACINE)
  get_filename_component(RACINE "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
endif()
set(TABLE "${RACINE}/docs/pannes.md")

# The system functions whose result the program depends on; UI calls (windows, menus, icons,
# timers, message boxes) are left out, their failure shows in the window itself.
set(SYSTEME
  AdjustTokenPrivileges CloseHandle DialogBoxParamA DialogBoxParamW ExpandEnvironmentStringsA
  ExpandEnvironmentStringsW FindClose FindFirstFileA FindFirstFileW FormatMessageA FormatMessageW
  FreeLibrary GetComputerNameA GetComputerNameW GetCurrentDirectoryA GetCurrentDirectoryW
  GetFileAttributesA GetFileAttributesW GetModuleFileNameA GetModuleFileNameW GetModuleHandleA
  GetModuleHandleW GetProcAddress GetSystemDirectoryA GetSystemDirectoryW GetUserNameA GetUserNameW
  InitiateSystemShutdownExA InitiateSystemShutdownExW LoadLibraryA LoadLibraryW LoadLibraryExA
  LoadLibraryExW LookupPrivilegeValueA LookupPrivilegeValueW MultiByteToWideChar OpenProcessToken
  WideCharToMultiByte)

set(ident "[A-Za-z_][A-Za-z0-9_]*")
set(sep "[ \t\r\n]*")

# ---- Calls of the program --------------------------------------------------------------------
file(GLOB_RECURSE sources LIST_DIRECTORIES false "${RACINE}/src/*.cpp" "${RACINE}/src/*.h")
if(sources STREQUAL "")
  message(FATAL_ERROR "no source read under ${RACINE}/src")
endif()

set(appels_code "")
# Adds call `nom`, made in `fichier`, to the program's calls (and where each is made).
macro(noter_appel nom fichier)
  list(APPEND appels_code "${nom}")
  string(MAKE_C_IDENTIFIER "${nom}" cle_)
  list(APPEND ou_${cle_} "${fichier}")
endmacro()
# The interface a COM pointer of the current file holds; a name that holds two in one file is
# refused rather than guessed.
macro(interface_de variable resultat)
  list(LENGTH interfaces_${variable} n_)
  if(n_ GREATER 1)
    message(FATAL_ERROR "${fichier}: '${variable}' holds ${interfaces_${variable}}; give each "
                        "COM pointer a name of its own so that its calls can be read")
  endif()
  set(${resultat} "${interfaces_${variable}}")
endmacro()

foreach(source IN LISTS sources)
  file(READ "${source}" texte)
  file(RELATIVE_PATH fichier "${RACINE}" "${source}")
  # ; and brackets mean something to CMake's lists: out of the text before it is cut into them.
  string(REPLACE ";" "\n" texte "${texte}")
  string(REPLACE "[" " " texte "${texte}")
  string(REPLACE "]" " " texte "${texte}")
  # A name given to GetProcAddress is a call made through the pointer it returns.
  string(REGEX MATCHALL "GetProcAddress${sep}\\([^\n]*\"${ident}\"" charges "${texte}")
  foreach(charge IN LISTS charges)
    string(REGEX REPLACE ".*\"(${ident})\"$" "\\1" nom "${charge}")
    noter_appel("${nom}" "${fichier}")
  endforeach()
  # Comments and texts out; a leading newline gives the first name something before it.
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " texte "${texte}")
  string(REGEX REPLACE "\"([^\"\\\\\n]|\\\\.)*\"" "\"\"" texte "${texte}")
  string(REGEX REPLACE "//[^\n]*" "" texte "${texte}")
  string(REGEX REPLACE "'([^'\\\\\n]|\\\\.)+'" "' '" texte "${texte}")
  set(texte "\n${texte}")

  # The interface behind each COM pointer of this file: ComPtr<I...> x, I... *x.
  foreach(variable IN LISTS pointeurs)
    unset(interfaces_${variable})
  endforeach()
  set(pointeurs "")
  set(paires "")
  string(REGEX MATCHALL "ComPtr${sep}<${sep}I${ident}${sep}>[ \t&]*${ident}" decls "${texte}")
  foreach(decl IN LISTS decls)
    string(REGEX REPLACE "^ComPtr${sep}<${sep}(I${ident})${sep}>[ \t&]*(${ident})$" "\\1 \\2" paire
           "${decl}")
    list(APPEND paires "${paire}")
  endforeach()
  string(REGEX MATCHALL "[^A-Za-z0-9_]I[A-Z][A-Za-z0-9_]*[ \t]*\\*${sep}${ident}[ \t]*[\n=,)]" decls
         "${texte}")
  foreach(decl IN LISTS decls)
    string(REGEX REPLACE "^.(I${ident})[ \t]*\\*${sep}(${ident})[ \t]*.$" "\\1 \\2" paire "${decl}")
    list(APPEND paires "${paire}")
  endforeach()
  foreach(paire IN LISTS paires)
    string(REPLACE " " ";" paire "${paire}")
    list(GET paire 0 interface)
    list(GET paire 1 variable)
    list(APPEND pointeurs "${variable}")
    list(APPEND interfaces_${variable} "${interface}")
    list(REMOVE_DUPLICATES interfaces_${variable})
  endforeach()

  string(REGEX MATCHALL "${ident}${sep}->${sep}${ident}${sep}\\(" fleches "${texte}")
  foreach(appel IN LISTS fleches)
    string(REGEX REPLACE "^(${ident})${sep}->${sep}(${ident})${sep}\\($" "\\1;\\2" parties "${appel}")
    list(GET parties 0 variable)
    list(GET parties 1 methode)
    if(variable IN_LIST pointeurs)
      interface_de(${variable} interface)
      noter_appel("${interface}::${methode}" "${fichier}")
    endif()
  endforeach()
  string(REGEX MATCHALL "${ident}${sep}\\.${sep}As${sep}\\(${sep}&${sep}${ident}"
         conversions "${texte}")
  foreach(appel IN LISTS conversions)
    string(REGEX REPLACE "^(${ident})${sep}\\.${sep}As${sep}\\(${sep}&${sep}(${ident})$" "\\1;\\2"
           parties "${appel}")
    list(GET parties 0 de)
    list(GET parties 1 vers)
    if(de IN_LIST pointeurs AND vers IN_LIST pointeurs)
      interface_de(${de} de)
      interface_de(${vers} vers)
      noter_appel("${de}::QueryInterface(${vers})" "${fichier}")
    endif()
  endforeach()

  # Families by prefix (registry, ODBC, COM library), then the fixed list.
  string(REGEX MATCHALL "${ident}${sep}\\(" appels "${texte}")
  foreach(appel IN LISTS appels)
    string(REGEX REPLACE "^(${ident})${sep}\\($" "\\1" nom "${appel}")
    if(nom MATCHES "^(Reg[A-Z][A-Za-z0-9]*|SQL[A-Z][a-z][A-Za-z0-9]*|Co[A-Z][A-Za-z0-9]*)$" OR
       nom IN_LIST SYSTEME)
      noter_appel("${nom}" "${fichier}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES appels_code)

# ---- The table ---------------------------------------------------------------------------------
if(NOT EXISTS "${TABLE}")
  message(FATAL_ERROR "no fault matrix at ${TABLE}")
endif()
file(READ "${TABLE}" lignes)
string(REPLACE ";" "," lignes "${lignes}")
string(REPLACE "[" "(" lignes "${lignes}")
string(REPLACE "]" ")" lignes "${lignes}")
string(REPLACE "\n" ";" lignes "${lignes}")
set(appels_table "")
set(tests_table "")
set(dans_table FALSE)
foreach(ligne IN LISTS lignes)
  if(NOT ligne MATCHES "^\\|")
    set(dans_table FALSE)
    continue()
  endif()
  if(ligne MATCHES "^\\|[ \t]*call[ \t]*\\|")
    set(dans_table TRUE)
    continue()
  endif()
  if(NOT dans_table OR ligne MATCHES "^\\|[ \t:|-]*$")
    continue()
  endif()
  # Cells split on |, which no cell may hold.
  string(REGEX REPLACE "^\\|(.*)\\|[ \t\r]*$" "\\1" cellules "${ligne}")
  string(REPLACE "|" ";" cellules "${cellules}")
  list(LENGTH cellules n)
  if(NOT n EQUAL 5)
    message(FATAL_ERROR "docs/pannes.md: a row without its 5 cells: ${ligne}")
  endif()
  list(GET cellules 0 appels)
  list(GET cellules 4 tests)
  string(REGEX MATCHALL "`[^`]+`" noms "${appels}")
  if(noms STREQUAL "")
    message(FATAL_ERROR "docs/pannes.md: a row that names no `call`: ${ligne}")
  endif()
  foreach(nom IN LISTS noms)
    string(REPLACE "`" "" nom "${nom}")
    if(nom IN_LIST appels_table)
      message(FATAL_ERROR "docs/pannes.md: ${nom} has two rows")
    endif()
    list(APPEND appels_table "${nom}")
  endforeach()
  string(REGEX MATCHALL "[A-Z][A-Za-z0-9_]*\\.[A-Z][A-Za-z0-9_]*" noms "${tests}")
  if(noms STREQUAL "" AND NOT tests MATCHES "^[ \t]*—[ \t]*$")
    message(FATAL_ERROR "docs/pannes.md: a row that names no test: ${ligne}")
  endif()
  list(APPEND tests_table ${noms})
endforeach()
if(appels_table STREQUAL "")
  message(FATAL_ERROR "docs/pannes.md: no table whose first column is headed `call`")
endif()
list(REMOVE_DUPLICATES tests_table)

# ---- The tests that exist ----------------------------------------------------------------------
file(GLOB_RECURSE fichiers_tests LIST_DIRECTORIES false "${RACINE}/tests/*.cpp" "${RACINE}/tests/*.h")
set(tests_existants "")
foreach(fichier IN LISTS fichiers_tests)
  file(READ "${fichier}" texte)
  string(REGEX MATCHALL "TEST(_F|_P)?${sep}\\(${sep}${ident}${sep},${sep}${ident}${sep}\\)" decls
         "${texte}")
  foreach(decl IN LISTS decls)
    string(REGEX REPLACE "^TEST(_F|_P)?${sep}\\(${sep}(${ident})${sep},${sep}(${ident})${sep}\\)$"
           "\\2.\\3" nom "${decl}")
    list(APPEND tests_existants "${nom}")
  endforeach()
endforeach()

# ---- Verdict -------------------------------------------------------------------------------------
set(erreurs "")
foreach(nom IN LISTS appels_code)
  if(NOT nom IN_LIST appels_table)
    string(MAKE_C_IDENTIFIER "${nom}" cle)
    list(REMOVE_DUPLICATES ou_${cle})
    list(JOIN ou_${cle} ", " ou)
    string(APPEND erreurs "\n  ${nom} (called in ${ou}) has no row in docs/pannes.md")
  endif()
endforeach()
foreach(nom IN LISTS appels_table)
  if(NOT nom IN_LIST appels_code)
    string(APPEND erreurs "\n  ${nom} has a row in docs/pannes.md but src/ does not call it")
  endif()
endforeach()
foreach(nom IN LISTS tests_table)
  if(NOT nom IN_LIST tests_existants)
    string(APPEND erreurs "\n  ${nom}, named in docs/pannes.md, is no TEST/TEST_F/TEST_P in tests/")
  endif()
endforeach()
if(NOT erreurs STREQUAL "")
  message(FATAL_ERROR "The fault matrix and the program disagree:${erreurs}")
endif()
list(LENGTH appels_code n_appels)
list(LENGTH tests_table n_tests)
message(STATUS "docs/pannes.md: the ${n_appels} calls of src/ each have their row; ${n_tests} tests named and found")
