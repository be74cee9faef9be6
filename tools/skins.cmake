# The 33 built-in skins: each text source in resources/skins is packed into the engine's blob
# format (skins/NN.she in the build tree), and skins/skins.rc carries them as RCDATA 1..33.
file(GLOB korvald_skin_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/skins/*.skin)
list(SORT korvald_skin_sources)
set(korvald_skin_dir ${CMAKE_BINARY_DIR}/skins)
set(korvald_skin_blobs)
set(korvald_skins_rc "// Generated from resources/skins: the built-in skins, RCDATA 1..33.\n")
foreach(source IN LISTS korvald_skin_sources)
  get_filename_component(name ${source} NAME)
  string(REGEX MATCH "^[0-9]+" number ${name})
  math(EXPR number "${number}")
  set(blob ${korvald_skin_dir}/${number}.she)
  add_custom_command(OUTPUT ${blob}
    COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/pack-skin ${source} ${blob}
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/tools/pack-skin
    COMMENT "Packing skin ${name}")
  list(APPEND korvald_skin_blobs ${blob})
  string(APPEND korvald_skins_rc "${number} RCDATA \"${blob}\"\n")
endforeach()
file(MAKE_DIRECTORY ${korvald_skin_dir})
file(CONFIGURE OUTPUT ${korvald_skin_dir}/skins.rc CONTENT "${korvald_skins_rc}")
add_custom_target(korvald_skins ALL DEPENDS ${korvald_skin_blobs})

if(TARGET Korvald)
  add_dependencies(Korvald korvald_skins)
  set_source_files_properties(${korvald_skin_dir}/skins.rc DIRECTORY ${CMAKE_SOURCE_DIR}
                              PROPERTIES OBJECT_DEPENDS "${korvald_skin_blobs}")
endif()
