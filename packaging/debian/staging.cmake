# Run by CPack on the staged files, before it builds the Debian package:
# Debian's machine-readable copyright file and the changelog go into the
# documentation folder, the changelog and the manual page are compressed
# as Debian's policy wants (gzip -9n), the licence text is left out, since
# the copyright file refers to Debian's own copy of it, the program loses
# the compiler's notes as dh_strip would take them, and lintian is told
# which of its findings do not apply.
set(root ${CPACK_TEMPORARY_DIRECTORY})
set(doc ${root}/${CPACK_QUILLAN_DOC_DIR})

file(COPY_FILE ${CPACK_QUILLAN_DEBIAN_COPYRIGHT} ${doc}/copyright)
file(COPY_FILE ${CPACK_QUILLAN_DEBIAN_CHANGELOG} ${doc}/changelog)
file(REMOVE ${doc}/COPYING)
foreach(file ${doc}/changelog ${root}/${CPACK_QUILLAN_MAN_PAGE})
  execute_process(COMMAND gzip -9nf ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

execute_process(COMMAND ${CPACK_QUILLAN_STRIP} --remove-section=.comment --remove-section=.note
  ${root}/usr/bin/quillan2 COMMAND_ERROR_IS_FATAL ANY)
file(MAKE_DIRECTORY ${root}/usr/share/lintian/overrides)
file(COPY_FILE ${CPACK_QUILLAN_LINTIAN_OVERRIDES} ${root}/usr/share/lintian/overrides/quillan2)
