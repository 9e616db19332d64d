# The packages that are one folder (the Windows zip, the portable Linux tarball): the program with
# every file the game reads beside it, the libraries' licence texts (kept in LIBRARY_PREFIX by the
# scripts that built them) and the font's, and a target that packs a fresh install of the folder.

# Other folders add the files the game reads to QUORAX_DATA_FILES, some after the packaging folder
# is read: the list is taken once the whole project is configured.
function(quorax_install_data_files_beside_program)
  get_property(files GLOBAL PROPERTY QUORAX_DATA_FILES)
  install(FILES ${files} DESTINATION .)
endfunction()

# quorax_folder_package(TARGET ARCHIVE LIBRARY_PREFIX MODE FORMAT): the install rules, and TARGET,
# which packs the folder quorax-<version> into ARCHIVE with `cmake -E tar MODE ARCHIVE
# --format=FORMAT` (cf and zip, or czf and gnutar).
function(quorax_folder_package target archive library_prefix mode format)
  install(TARGETS quorax RUNTIME DESTINATION .)
  install(DIRECTORY ${library_prefix}/licenses/ DESTINATION licenses)
  # Debian's copyright file of the font holds its licence.
  install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION licenses/DejaVu RENAME LICENSE.txt)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorax_install_data_files_beside_program)

  set(folder quorax-${PROJECT_VERSION})
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${target})
  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${archive}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}/${folder} --strip
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar ${mode} ${archive} --format=${format} ${folder}
    COMMENT "Packing ${archive}"
    VERBATIM)
  add_dependencies(${target} quorax assets)
endfunction()
