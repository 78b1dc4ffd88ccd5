# Copies the default installation (install/) beside the built executable; nothing to do
# while the folder does not exist.
if(EXISTS "${SOURCE}")
  file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
