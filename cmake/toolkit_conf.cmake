# The toolkit's configuration as the program carries it compiled in (qt.conf in its
# resources): the paths of the toolkit it is built against, asked of that toolkit's
# own qtpaths. With one compiled in, the toolkit never looks for qt6.conf or qt.conf
# beside the executable, whose folder may be on a volume that has stopped answering.
# Sets KELDRA_TOOLKIT_QRC to the resource file to build into the program.
get_target_property(keldra_qtpaths Qt6::qtpaths IMPORTED_LOCATION)
if(NOT keldra_qtpaths)
  get_target_property(keldra_qtpaths Qt6::qtpaths IMPORTED_LOCATION_RELEASE)
endif()
set(keldra_conf "[Paths]\n")
foreach(pair
    Prefix=QT_INSTALL_PREFIX ArchData=QT_INSTALL_ARCHDATA Data=QT_INSTALL_DATA
    Documentation=QT_INSTALL_DOCS Headers=QT_INSTALL_HEADERS Libraries=QT_INSTALL_LIBS
    LibraryExecutables=QT_INSTALL_LIBEXECS Binaries=QT_INSTALL_BINS Tests=QT_INSTALL_TESTS
    Plugins=QT_INSTALL_PLUGINS QmlImports=QT_INSTALL_QML Translations=QT_INSTALL_TRANSLATIONS
    Examples=QT_INSTALL_EXAMPLES)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 key)
  list(GET pair 1 query)
  execute_process(COMMAND ${keldra_qtpaths} --query ${query} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed OR value STREQUAL "")
    message(FATAL_ERROR "qtpaths (${keldra_qtpaths}) could not tell ${query}")
  endif()
  string(APPEND keldra_conf "${key}=${value}\n")
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/toolkit/qt.conf "${keldra_conf}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/toolkit/toolkit.qrc
     "<RCC>\n  <qresource prefix=\"/qt/etc\">\n    <file>qt.conf</file>\n  </qresource>\n</RCC>\n")
set(KELDRA_TOOLKIT_QRC ${CMAKE_CURRENT_BINARY_DIR}/toolkit/toolkit.qrc)
