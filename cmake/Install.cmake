# `cmake --install` (and `make install`): the two programs, the sample picture and the user
# guide in the data folder, the launcher, its icons, the layout files' MIME type, the
# AppStream metadata, the manual pages, and the copyright file and changelog where Debian
# keeps them (the manual pages and the changelog compressed).
set(QUORVANE_APP_ID example.tarnwick.quorvane)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)
set(generated_dir ${PROJECT_BINARY_DIR}/desktop)

configure_file(${desktop_dir}/${QUORVANE_APP_ID}.metainfo.xml.in
  ${generated_dir}/${QUORVANE_APP_ID}.metainfo.xml @ONLY)
foreach(page quorvane.1 quorvane-cli.1)
  configure_file(${desktop_dir}/${page}.in ${generated_dir}/${page} @ONLY)
endforeach()

install(TARGETS quorvane quorvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Object ${PROJECT_SOURCE_DIR}/data/help
  DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${QUORVANE_APP_ID}.xml)
install(FILES ${generated_dir}/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
set(debian_dir ${PROJECT_SOURCE_DIR}/data/debian)
configure_file(${debian_dir}/changelog.in ${generated_dir}/changelog.Debian @ONLY)

# gzip -n leaves the name and time out, so the package is the same at every build.
set(compressed)
foreach(file quorvane.1 quorvane-cli.1 changelog.Debian)
  add_custom_command(OUTPUT ${generated_dir}/${file}.gz
    COMMAND gzip -9n -c ${generated_dir}/${file} > ${generated_dir}/${file}.gz
    DEPENDS ${generated_dir}/${file} VERBATIM)
  list(APPEND compressed ${generated_dir}/${file}.gz)
endforeach()
add_custom_target(quorvane_compressed_docs ALL DEPENDS ${compressed})

install(FILES ${debian_dir}/copyright ${generated_dir}/changelog.Debian.gz DESTINATION ${doc_dir})
install(FILES ${generated_dir}/quorvane.1.gz ${generated_dir}/quorvane-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
