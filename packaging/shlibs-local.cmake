# CPack runs this after staging the package and before dpkg-shlibdeps, which
# reads debian/shlibs.local from the staging folder (see CMakeLists.txt).
file(MAKE_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}/debian)
file(COPY_FILE ${CPACK_HALVORA_SHLIBS_LOCAL} ${CPACK_TEMPORARY_DIRECTORY}/debian/shlibs.local)
