# The build refuses an include that runs the wrong way: each probe is a one-line source compiled
# with exactly the include directories, definitions and options of one platform library. A
# refused probe must fail for the missing header; an allowed one must compile.
function(kestra_include_probe name target header expectation)
  set(_source ${CMAKE_CURRENT_BINARY_DIR}/IncludeProbes/${name}.cpp)
  file(CONFIGURE OUTPUT ${_source} CONTENT "#include \"${header}\"\n" @ONLY)
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${_source})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  target_include_directories(${name} PRIVATE $<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>)
  target_compile_definitions(${name} PRIVATE $<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>)
  target_compile_options(${name} PRIVATE $<TARGET_PROPERTY:${target},COMPILE_OPTIONS>)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${name})
  # One build in the build tree at a time.
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK kestra_build_tree)
  if(expectation STREQUAL "REFUSED")
    string(REPLACE "." "\\." _header_pattern "${header}")
    # gcc and clang word it differently.
    set_tests_properties(${name} PROPERTIES PASS_REGULAR_EXPRESSION
      "${_header_pattern}: No such file or directory;'${_header_pattern}' file not found")
  endif()
endfunction()

kestra_include_probe(Probe_FerrolibIncludesQuillbase Ferrolib "Quillbase/CMN_System.h" REFUSED)
kestra_include_probe(Probe_FerrolibIncludesWinPrivate Ferrolib "WinInternal.h" REFUSED)
kestra_include_probe(Probe_FerrolibIncludesCorvane Ferrolib "Corvane/CMDL_Module.h" REFUSED)
kestra_include_probe(Probe_MarrowlibIncludesQuillbase Marrowlib "Quillbase/CMN_System.h" REFUSED)
kestra_include_probe(Probe_SimInstrumentIncludesFerrolib SimInstrument "Ferrolib/BSS_Trace.h" REFUSED)
kestra_include_probe(Probe_KestraWinIncludesFerrolib KestraWin "Ferrolib/BSS_Trace.h" REFUSED)
kestra_include_probe(Probe_FerrolibIncludesBelow Ferrolib "SimInstrument/VSIM_Settings.h" ALLOWED)
kestra_include_probe(Probe_CorvaneIncludesBelow Corvane "Quillbase/CMN_System.h" ALLOWED)
