# The Ansible collection tarvo.keyboards (ansible/), built as an integrator
# builds it (`ansible-galaxy collection build`), then unpacked with its
# manifest by `ansible-galaxy collection install` and installed where Debian's
# Ansible looks for collections. The tarball's name carries galaxy.yml's
# version: a version that drifts from the project's fails the build here.
find_program(TARVO_ANSIBLE_GALAXY ansible-galaxy)
if(NOT TARVO_ANSIBLE_GALAXY)
  message(STATUS "ansible-galaxy not found (Debian's ansible-core): the Ansible collection is not built")
  return()
endif()

set(TARVO_COLLECTION_WORK ${CMAKE_BINARY_DIR}/ansible)
set(TARVO_COLLECTION_TARBALL ${TARVO_COLLECTION_WORK}/dist/tarvo-keyboards-${PROJECT_VERSION}.tar.gz)
set(TARVO_COLLECTION_UNPACKED ${TARVO_COLLECTION_WORK}/collections/ansible_collections/tarvo/keyboards)
file(GLOB_RECURSE TARVO_COLLECTION_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ansible/*)
# ansible-galaxy keeps its own state in the build tree, not in the home folder.
set(TARVO_GALAXY ${CMAKE_COMMAND} -E env ANSIBLE_HOME=${TARVO_COLLECTION_WORK}/home
  ANSIBLE_LOCAL_TEMP=${TARVO_COLLECTION_WORK}/tmp ${TARVO_ANSIBLE_GALAXY} collection)
add_custom_command(OUTPUT ${TARVO_COLLECTION_UNPACKED}/MANIFEST.json
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TARVO_COLLECTION_WORK}/dist ${TARVO_COLLECTION_WORK}/collections
  COMMAND ${TARVO_GALAXY} build ${CMAKE_SOURCE_DIR}/ansible --output-path ${TARVO_COLLECTION_WORK}/dist
  COMMAND ${TARVO_GALAXY} install ${TARVO_COLLECTION_TARBALL} -p ${TARVO_COLLECTION_WORK}/collections
  DEPENDS ${TARVO_COLLECTION_SOURCES}
  VERBATIM)
add_custom_target(tarvo_ansible_collection ALL DEPENDS ${TARVO_COLLECTION_UNPACKED}/MANIFEST.json)
# Modules are read by Ansible, never run by themselves: 0644 like the rest.
install(DIRECTORY ${TARVO_COLLECTION_UNPACKED}/
  DESTINATION share/ansible/collections/ansible_collections/tarvo/keyboards
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
