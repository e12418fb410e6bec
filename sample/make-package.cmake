# Assembles the per-user client tree and packs it into the package archive.
# -D: BUILD, CLIENT, START_STOP, PAYLOAD_TOOL, FILES, BYTES, WORK, PACKAGE, INFO_OUT
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bin ${WORK}/package)
set(info "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=${BUILD}\nicon_overlay_version=1\n")
file(WRITE ${WORK}/INFO "${info}")
file(WRITE ${INFO_OUT} "${info}")
file(COPY ${CLIENT} DESTINATION ${WORK}/bin
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(COPY ${START_STOP} DESTINATION ${WORK}/package
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND ${PAYLOAD_TOOL} ${WORK}/lib ${FILES} ${BYTES} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "payload generation failed: ${rc}")
endif()
get_filename_component(package_dir ${PACKAGE} DIRECTORY)
file(MAKE_DIRECTORY ${package_dir})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${PACKAGE} INFO bin package lib
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "packing failed: ${rc}")
endif()
