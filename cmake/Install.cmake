# Installation: the program folder goes whole to <prefix>/lib/mienlore (the
# program finds its data beside its executable), the two programs are linked
# from <prefix>/bin, and the desktop files go where desktops look for them.
# Files the program writes while it runs from the build folder (pages, the
# report, My Gallery, the language choice) are left out: an installed program
# writes them to the user's data folder.
set(MIENLORE_INSTALL_FOLDER "lib/mienlore")

install(DIRECTORY "${MIENLORE_BIN_DIR}/"
  DESTINATION "${MIENLORE_INSTALL_FOLDER}"
  USE_SOURCE_PERMISSIONS
  REGEX "/lang\\.lng$" EXCLUDE
  REGEX "/(Text|PType|PTYPE)/text\\.htm$" EXCLUDE
  REGEX "/htmlreport/(result\\.js|face0?\\.jpg|face0?Small\\.bmp)$" EXCLUDE
  REGEX "/MyGallery/." EXCLUDE
  REGEX "\\.tmp[0-9]+-[0-9]+$" EXCLUDE)

foreach(program mienlore mienlore-cli)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"../${MIENLORE_INSTALL_FOLDER}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ../${MIENLORE_INSTALL_FOLDER}/${program}\")")
endforeach()

set(desktop "${PROJECT_SOURCE_DIR}/data/desktop")
install(FILES "${desktop}/lab.orvanta.Mienlore.desktop" DESTINATION share/applications)
install(FILES "${desktop}/lab.orvanta.Mienlore.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${desktop}/mienlore-mime.xml" DESTINATION share/mime/packages RENAME mienlore.xml)
install(FILES "${desktop}/icons/mienlore.svg"
  DESTINATION share/icons/hicolor/scalable/apps RENAME lab.orvanta.Mienlore.svg)
install(FILES "${desktop}/icons/application-x-mienlore-face-list.svg"
              "${desktop}/icons/application-x-mienlore-gallery-face.svg"
  DESTINATION share/icons/hicolor/scalable/mimetypes)
install(DIRECTORY "${CMAKE_BINARY_DIR}/icons/" DESTINATION share/icons/hicolor)

# The Debian package (scripts/package): dependencies from dpkg-shlibdeps over
# every program and module of the program folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "mienlore")
set(CPACK_PACKAGE_VENDOR "ORVANTA Lab")
set(CPACK_PACKAGE_CONTACT "ORVANTA Lab <mienlore@orvanta.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "face reading: compose a face and read its character")
set(CPACK_PACKAGE_DESCRIPTION
  "Mienlore composes a face from a catalogue of feature pictures and computes\n fifteen character traits, a temperament, a profession and personality types\n from the chosen shapes.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no program links: the extra picture readers of the photo page (TIFF,
# WebP, ...) come with the image formats package; the fonts the program draws
# with are Nimbus Roman (the face caption and the printed report) and DejaVu
# (the interface, the pages and the help).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, fonts-urw-base35, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvanta.example.org/mienlore")
set(CPACK_STRIP_FILES ON)
include(CPack)
