# `cmake --install` (and `make install`): the two programs, the sample picture in the data
# folder, the launcher, its icon, the AppStream metadata and the manual pages.
set(QUORVANE_APP_ID example.tarnwick.quorvane)
set(desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)
set(generated_dir ${PROJECT_BINARY_DIR}/desktop)

configure_file(${desktop_dir}/${QUORVANE_APP_ID}.metainfo.xml.in
  ${generated_dir}/${QUORVANE_APP_ID}.metainfo.xml @ONLY)
foreach(page quorvane.1 quorvane-cli.1)
  configure_file(${desktop_dir}/${page}.in ${generated_dir}/${page} @ONLY)
endforeach()

install(TARGETS quorvane quorvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Object DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${QUORVANE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated_dir}/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated_dir}/quorvane.1 ${generated_dir}/quorvane-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
