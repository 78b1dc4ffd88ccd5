# Installs the build into a fresh prefix as `cmake --install` does and checks what a user and a
# file manager find there: the programs beside the default installation, launchers on PATH
# that reach them, the menu entries, the icon and the project file type; then the installed
# program is run and the Debian package is made and looked into.
# -DBUILD=<build folder> -DWORK=<scratch folder>
set(prefix "${WORK}/prefix")
file(REMOVE_RECURSE "${WORK}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(code "${code}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run("${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}")
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${code}): ${err}")
endif()

foreach(path
    lib/trellis/trellis lib/trellis/trellis-cad lib/trellis/trellis-macros lib/trellis/trellis-ini
    lib/trellis/Tables.ini lib/trellis/Servers.ini lib/trellis/Buttons.ini lib/trellis/Help/index.htm
    share/applications/trellis.desktop share/applications/trellis-cad.desktop
    share/mime/packages/trellis.xml share/icons/hicolor/scalable/apps/trellis.svg
    share/icons/hicolor/16x16/apps/trellis.png share/icons/hicolor/256x256/apps/trellis.png
    lib/trellis/translations/trellis_en.qm lib/trellis/translations/trellis-cad_en.qm
    lib/trellis/translations/trellis-macros_en.qm)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
foreach(program trellis trellis-cad trellis-ini)
  file(REAL_PATH "${prefix}/bin/${program}" real)
  file(REAL_PATH "${prefix}/lib/trellis/${program}" wanted)
  if(NOT real STREQUAL wanted)
    message(FATAL_ERROR "bin/${program} leads to ${real}, not to ${wanted}")
  endif()
endforeach()

foreach(entry trellis trellis-cad)
  run(desktop-file-validate "${prefix}/share/applications/${entry}.desktop")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${entry}.desktop: ${out}${err}")
  endif()
endforeach()
# The file type database built from the installed package names .d01 files projects.
run(update-mime-database "${prefix}/share/mime")
file(READ "${prefix}/share/mime/globs2" globs)
if(NOT globs MATCHES "application/x-trellis-project:\\*\\.d01")
  message(FATAL_ERROR "*.d01 is not a Trellis project in the file type database: ${err}")
endif()

# The program reached through its launcher finds the installation it was installed with: the
# check of an empty project names a table from the installed Tables.ini.
file(WRITE "${WORK}/project/P.d01" "")
run("${prefix}/bin/trellis" --calculate "${WORK}/project/P.d01")
if(NOT code EQUAL 1 OR NOT err MATCHES "Закрепления")
  message(FATAL_ERROR "the installed program did not check the project (${code}): ${out}${err}")
endif()

# An English locale gets the English translation installed with it.
run("${CMAKE_COMMAND}" -E env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
    "${prefix}/bin/trellis" --calculate "${WORK}/project/P.d01")
if(NOT err MATCHES "Calculation failed: the structural model has errors")
  message(FATAL_ERROR "the installed program did not speak English in an English locale: ${err}")
endif()

run(cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}/package")
file(GLOB packages "${WORK}/package/*.deb")
if(NOT code EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack made no package (${code}): ${out}${err}")
endif()
run(dpkg-deb --contents ${packages})
foreach(wanted "./usr/lib/trellis/trellis" "./usr/bin/trellis -> ../lib/trellis/trellis"
               "./usr/share/mime/packages/trellis.xml" "./usr/share/applications/trellis.desktop")
  string(FIND "${out}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${wanted}:\n${out}")
  endif()
endforeach()
