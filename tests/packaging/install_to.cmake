# Installs the build into a fresh folder: cmake -D BUILD_DIR=... -D PREFIX=...
# -P install_to.cmake. The folder is emptied first, so a file that the
# install rules no longer name does not linger there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
