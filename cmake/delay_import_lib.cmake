# Makes a delay-load import library for one system DLL (run with cmake -P):
#   -DDLL_FILE=user32.dll -DIMPORT_LIB=/usr/.../libuser32.a -DOUTPUT=.../libuser32.a
#   -DARCH=i686|x86_64 -DNM=... -DDLLTOOL=... -DOBJCOPY=... -DAR=... -DASM=...
#   -DTEMPLATE_DIR=<folder of delay_import_<arch>.s.in>
#
# The result links like the MinGW import library it is made from, but the DLL
# is loaded by the first call of one of its functions instead of at program
# start. dlltool -y makes the per-function entries; what differs from plain
# dlltool -y:
#  - GNU ld drops the code of an import stub whose function is only called
#    through its __imp_ pointer (as compiled code always does). For a delay
#    entry that code is the stub the pointer starts at, so the first call
#    jumped to nothing. The entries' .idata$ sections, which mark a member
#    as an import stub, are renamed to .data$/.rdata$ sections that the
#    linker orders by name just as well, so the stub code stays.
#  - dlltool's x86_64 common path does not keep xmm0-xmm3, so a first call
#    of a function taking floating-point arguments got them changed. The
#    head (descriptor, table ends, common path) is our own.
#  - Each import name is given in full ("Name@N == Name"), so names that
#    begin with an underscore ("_TrackMouseEvent") keep it.
#  - Data exports cannot be loaded late: only symbols the import library has
#    code stubs for are taken (a reference to a data export fails the link).
cmake_minimum_required(VERSION 3.20)

foreach(var DLL_FILE IMPORT_LIB OUTPUT ARCH NM DLLTOOL OBJCOPY AR ASM TEMPLATE_DIR)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "delay_import_lib: ${var} is not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "delay_import_lib: ${ARGN} failed (${rc}):\n${out}${err}")
  endif()
  set(RUN_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

get_filename_component(LIB_FILE "${OUTPUT}" NAME)        # libuser32.a
string(REGEX REPLACE "[^A-Za-z0-9]" "_" LIB_ID "${LIB_FILE}")  # libuser32_a
get_filename_component(DLL_ID "${DLL_FILE}" NAME_WE)
string(TOLOWER "${DLL_ID}" DLL_ID)
set(WORK "${OUTPUT}.work")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# The functions: names with both an __imp_ pointer and a code stub.
run("${NM}" "${IMPORT_LIB}")
string(REGEX MATCHALL "[^\n]+" lines "${RUN_OUTPUT}")
set(pointers "")
foreach(line IN LISTS lines)
  if(line MATCHES " I __imp_([^ ]+)$")
    list(APPEND pointers "${CMAKE_MATCH_1}")
  elseif(line MATCHES " T ([^ ]+)$")
    set("stub:${CMAKE_MATCH_1}" 1)
  endif()
endforeach()
set(exports "")
foreach(name IN LISTS pointers)
  if(DEFINED "stub:${name}")
    set(import_name "${name}")
    if(ARCH STREQUAL "i686" AND name MATCHES "^_")
      # The object files' _Name@N is Name@N in the definition (dlltool adds
      # the underscore back) and the DLL exports it as Name, which may begin
      # with an underscore itself ("_TrackMouseEvent"). Only the first one
      # goes: REGEX REPLACE "^_" would take them all.
      string(SUBSTRING "${name}" 1 -1 name)
      string(REGEX REPLACE "@[0-9]+$" "" import_name "${name}")
    endif()
    string(APPEND exports "${name} == ${import_name}\n")
  endif()
endforeach()
if(exports STREQUAL "")
  message(FATAL_ERROR "delay_import_lib: no functions found in ${IMPORT_LIB}")
endif()
file(WRITE "${WORK}/${DLL_ID}.def" "LIBRARY ${DLL_FILE}\nEXPORTS\n${exports}")

# dlltool names its archive members and labels after the output file name,
# so it runs in the work folder with the bare name.
if(ARCH STREQUAL "i686")
  set(TAIL_MERGE "___tailMerge_${LIB_ID}")
else()
  set(TAIL_MERGE "__tailMerge_${LIB_ID}")
endif()
run("${DLLTOOL}" -d "${DLL_ID}.def" -y "${LIB_FILE}")

# dlltool's own head and tail give way to ours.
run("${AR}" t "${LIB_FILE}")
string(REGEX MATCHALL "[^\n]+" members "${RUN_OUTPUT}")
set(dlltool_ends "")
foreach(member IN LISTS members)
  if(member MATCHES "_[ht]\\.o$")
    list(APPEND dlltool_ends "${member}")
  endif()
endforeach()
list(LENGTH dlltool_ends count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "delay_import_lib: expected dlltool's head and tail in ${LIB_FILE}, found: ${dlltool_ends}")
endif()
run("${AR}" d "${LIB_FILE}" ${dlltool_ends})

run("${OBJCOPY}"
  "--remove-section=.idata$7"
  "--rename-section" ".idata$5=.data$tsrdly_${DLL_ID}_m,alloc,load,data,contents"
  "--rename-section" ".idata$4=.rdata$tsrdly_${DLL_ID}_m,alloc,load,readonly,data,contents"
  "--rename-section" ".idata$6=.rdata$tsrdly_names,alloc,load,readonly,data,contents"
  "${LIB_FILE}")

configure_file("${TEMPLATE_DIR}/delay_import_${ARCH}.s.in" "${WORK}/${LIB_ID}_head.s" @ONLY)
run("${ASM}" -c -x assembler "${LIB_ID}_head.s" -o "${LIB_ID}_head.o")
run("${AR}" rs "${LIB_FILE}" "${LIB_ID}_head.o")

file(RENAME "${WORK}/${LIB_FILE}" "${OUTPUT}")
file(REMOVE_RECURSE "${WORK}")
