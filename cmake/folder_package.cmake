# The packages that are one folder (the Windows zip, the portable Linux tarball, the handheld zip):
# the program with every file the game reads beside it, the libraries' licence texts (kept in
# LIBRARY_PREFIX by the scripts that built them) and the font's, and a target that packs a fresh
# install of the folder. Read after tools/, whose generators list the files the game reads.

# quorax_folder_package(TARGET ARCHIVE LIBRARY_PREFIX MODE FORMAT [FOLDER NAME] [BESIDE FILES...]):
# the install rules, and TARGET, which packs the folder NAME (by default quorax-<version>), with
# FILES beside it, into ARCHIVE with `cmake -E tar MODE ARCHIVE --format=FORMAT` (cf and zip, or
# czf and gnutar).
function(quorax_folder_package target archive library_prefix mode format)
  cmake_parse_arguments(PARSE_ARGV 5 arg "" FOLDER BESIDE)
  install(TARGETS quorax RUNTIME DESTINATION .)
  install(DIRECTORY ${library_prefix}/licenses/ DESTINATION licenses)
  # Debian's copyright file of the font holds its licence.
  install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION licenses/DejaVu RENAME LICENSE.txt)
  get_property(files GLOBAL PROPERTY QUORAX_DATA_FILES)
  install(FILES ${files} DESTINATION .)

  set(folder quorax-${PROJECT_VERSION})
  if(arg_FOLDER)
    set(folder ${arg_FOLDER})
  endif()
  set(beside)
  foreach(file ${arg_BESIDE})
    get_filename_component(name ${file} NAME)
    list(APPEND beside ${name})
  endforeach()
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${target})
  set(copy_beside)
  if(arg_BESIDE)
    set(copy_beside COMMAND ${CMAKE_COMMAND} -E copy ${arg_BESIDE} ${stage})
  endif()
  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${archive}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}/${folder} --strip
    ${copy_beside}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar ${mode} ${archive} --format=${format} ${folder} ${beside}
    COMMENT "Packing ${archive}"
    VERBATIM)
  add_dependencies(${target} quorax assets)
endfunction()
