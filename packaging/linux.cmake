# Desktop integration on Linux: what `cmake --install` lays down beside the two programs (the
# desktop entry, the file types, the software centre's description, the icons, the manuals),
# the checks of those files, and the Debian package made by `cpack`.

set(ZUF_APP_ID com.strumlex.zuffile)
set(ZUF_LINUX_DIR ${CMAKE_SOURCE_DIR}/resources/linux)

foreach(page zuffile zuflist)
    configure_file(${CMAKE_SOURCE_DIR}/docs/${page}.1.in ${CMAKE_BINARY_DIR}/${page}.1 @ONLY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/zuflist.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET zuffile)
    configure_file(${ZUF_LINUX_DIR}/${ZUF_APP_ID}.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/${ZUF_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/zuffile.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # The program's translations, where it looks for them: share/zuffile/translations.
    if(ZUF_QM_FILES)
        install(FILES ${ZUF_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zuffile/translations)
    endif()
    install(FILES ${ZUF_LINUX_DIR}/${ZUF_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZUF_LINUX_DIR}/${ZUF_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${CMAKE_BINARY_DIR}/${ZUF_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES resources/icons/zuffile.svg DESTINATION ${icons}/scalable/apps
            RENAME ${ZUF_APP_ID}.svg)
    foreach(size 16 22 24 32 48 64 128 256)
        install(FILES resources/icons/zuffile-${size}.png DESTINATION ${icons}/${size}x${size}/apps
                RENAME ${ZUF_APP_ID}.png)
    endforeach()
endif()

# Checks of the desktop files by the tools the desktop itself uses. A missing tool skips its
# check with a message (tools/install-packages.sh installs them).
function(zuf_tool_test name tool)
    add_test(NAME ${name}
             COMMAND sh -c "command -v ${tool} >/dev/null || { echo '${tool} is missing: skipped'; exit 77; }; exec \"$@\""
                     sh ${tool} ${ARGN})
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endfunction()
if(TARGET zuffile)
    zuf_tool_test(desktop_entry_valid desktop-file-validate
                  ${ZUF_LINUX_DIR}/${ZUF_APP_ID}.desktop)
    # desktop-file-validate prints hints (such as a second main category) and still exits 0.
    set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "hint:|error:|warning:")
    zuf_tool_test(metainfo_valid appstreamcli validate --no-net --pedantic
                  ${CMAKE_BINARY_DIR}/${ZUF_APP_ID}.metainfo.xml)
    zuf_tool_test(mime_xml_valid xmllint --noout ${ZUF_LINUX_DIR}/${ZUF_APP_ID}.xml)
    zuf_tool_test(manual_pages_valid groff -man -z -ww -rCHECKSTYLE=3 ${CMAKE_BINARY_DIR}/zuffile.1
                  ${CMAKE_BINARY_DIR}/zuflist.1)
    set_tests_properties(manual_pages_valid PROPERTIES FAIL_REGULAR_EXPRESSION "warning|error")

    # The options that print and end the program never open a window: without a display
    # the program would fail or hang here. The help is read in English, whatever the
    # machine's language.
    add_test(NAME zuffile_version COMMAND zuffile --version)
    set_tests_properties(zuffile_version PROPERTIES TIMEOUT 20 ENVIRONMENT "QT_QPA_PLATFORM=xcb;DISPLAY=:none"
                         PASS_REGULAR_EXPRESSION "^zuffile ${PROJECT_VERSION}\n$")
    add_test(NAME zuffile_help COMMAND zuffile --help)
    set_tests_properties(zuffile_help PROPERTIES TIMEOUT 20 ENVIRONMENT "QT_QPA_PLATFORM=xcb;DISPLAY=:none;LANGUAGE=en;LC_ALL=C.UTF-8"
                         PASS_REGULAR_EXPRESSION "Usage: zuffile .*--version")
endif()

# The Debian package: `cpack` in the build folder writes zuffile_VERSION_ARCH.deb. Its library
# dependencies are found by dpkg-shlibdeps; the window-system plug-ins are a separate package
# that the Qt libraries only recommend, and without them the window cannot open.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuffile)
set(CPACK_PACKAGE_VENDOR Strumlex)
set(CPACK_PACKAGE_CONTACT "Strumlex <zuffile@strumlex.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "file manager for folder trees of ZUF tablature files")
set(CPACK_PACKAGE_DESCRIPTION
    "ZUF File Manager lists every ZUF tablature file below a folder, of both generations of the format, with its title, author and tuning, shows the selected file's summary, searches the texts, edits the information block of older files, and moves, copies, renames and deletes files in batches. The command-line companion zuflist prints a file's summary or a whole catalogue.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET zuffile)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    # The SVG plug-ins draw the toolbar and list pictures crisp at any screen scale; without
    # them the window takes the pictures' PNG renders. Qt's own translations speak the user's
    # language in the standard dialogs and buttons.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, qt6-translations-l10n")
endif()
include(CPack)

# The package as a user's system would unpack it: every file where the desktop looks for it.
if(TARGET zuffile AND NOT ZUF_SANITIZE)
    add_test(NAME debian_package
             COMMAND ${CMAKE_SOURCE_DIR}/tools/check-package ${CMAKE_BINARY_DIR} ${ZUF_APP_ID}
                     ${PROJECT_VERSION})
    set_tests_properties(debian_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
