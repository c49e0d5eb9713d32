# kestra_add_image_resources(<name> <image list>)
# Renders the images that the list names from their SVG sources (tool KestraImageRender) and packs
# them with rcc into ${KESTRA_BIN_DIR}/<name>.rcc, beside the program, as part of the default build.
function(kestra_add_image_resources name image_list)
  get_filename_component(_source_dir ${image_list} DIRECTORY)
  file(GLOB _svg_sources CONFIGURE_DEPENDS ${_source_dir}/*.svg)
  set(_qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}/${name}.qrc)
  set(_rcc ${KESTRA_BIN_DIR}/${name}.rcc)
  add_custom_command(OUTPUT ${_qrc}
    COMMAND KestraImageRender ${image_list} ${_qrc}
    DEPENDS KestraImageRender ${image_list} ${_svg_sources}
    COMMENT "Rendering the images of ${name}"
    VERBATIM)
  add_custom_command(OUTPUT ${_rcc}
    COMMAND Qt5::rcc -binary ${_qrc} -o ${_rcc}
    DEPENDS ${_qrc}
    COMMENT "Packing ${name}.rcc"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${_rcc})
endfunction()
