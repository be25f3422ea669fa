# Delay loading of system DLLs (MinGW builds).
#
#   tsr_delay_load(<target> <dll>...)     for example: tsr_delay_load(Tessarin user32 gdi32)
#
# The target links each named DLL and loads it at the first call of one of
# its functions rather than at start: a program that ends early never pays for
# DLLs it did not use (under Wine, user32 alone starts the display driver).
# For each DLL a delay-load import library is made at build time from the
# toolchain's import library (see delay_import_lib.cmake) into
# <build>/delayimp, and that folder is searched first when the target links,
# so every -l<dll> of the target, its libraries and the compiler's defaults
# takes the delay-load one. The loading itself is done by the MinGW runtime's
# __delayLoadHelper2 (libmingwex, linked by default).
#
# Kernel32, advapi32 and msvcrt are needed by every start and stay ordinary
# imports. Data exported by a DLL cannot be loaded late; a reference to one
# fails the link with an undefined __imp_ symbol. Not for links with
# --gc-sections: nothing refers to a function's name-table entry, which would
# be dropped and put the table out of step with the address table.

set(TSR_DELAY_IMPORT_DIR ${CMAKE_BINARY_DIR}/delayimp)

function(tsr_delay_load target)
  if(NOT WIN32)
    return()
  endif()
  foreach(dll IN LISTS ARGN)
    string(TOLOWER "${dll}" dll)
    set(library ${TSR_DELAY_IMPORT_DIR}/lib${dll}.a)
    if(NOT TARGET tsr_delay_${dll})
      _tsr_add_delay_library(${dll} ${library})
    endif()
    add_dependencies(${target} tsr_delay_${dll})
    target_link_libraries(${target} PRIVATE ${dll})
    # Relink when the library is made again.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${library})
  endforeach()
  target_link_directories(${target} BEFORE PRIVATE ${TSR_DELAY_IMPORT_DIR})
endfunction()

function(_tsr_add_delay_library dll library)
  execute_process(COMMAND ${CMAKE_C_COMPILER} -print-file-name=lib${dll}.a
                  OUTPUT_VARIABLE import_lib OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${import_lib}" OR NOT EXISTS "${import_lib}")
    message(FATAL_ERROR "tsr_delay_load: the toolchain has no import library lib${dll}.a")
  endif()
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
    set(arch i686)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
    set(arch x86_64)
  else()
    message(FATAL_ERROR "tsr_delay_load: no delay loading for ${CMAKE_SYSTEM_PROCESSOR}")
  endif()
  foreach(tool CMAKE_NM CMAKE_DLLTOOL CMAKE_OBJCOPY CMAKE_AR)
    if(NOT ${tool})
      message(FATAL_ERROR "tsr_delay_load: ${tool} was not found")
    endif()
  endforeach()
  set(script ${PROJECT_SOURCE_DIR}/cmake/delay_import_lib.cmake)
  set(template ${PROJECT_SOURCE_DIR}/cmake/delay_import_${arch}.s.in)
  add_custom_command(
    OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TSR_DELAY_IMPORT_DIR}
    COMMAND ${CMAKE_COMMAND}
            -DDLL_FILE=${dll}.dll -DIMPORT_LIB=${import_lib} -DOUTPUT=${library} -DARCH=${arch}
            -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL} -DOBJCOPY=${CMAKE_OBJCOPY}
            -DAR=${CMAKE_AR} -DASM=${CMAKE_C_COMPILER}
            -DTEMPLATE_DIR=${PROJECT_SOURCE_DIR}/cmake
            -P ${script}
    DEPENDS ${script} ${template} ${import_lib}
    COMMENT "Delay-load import library for ${dll}.dll"
    VERBATIM)
  add_custom_target(tsr_delay_${dll} DEPENDS ${library})
endfunction()
