# A Debian package of the installed tree: `cpack -G DEB` in the build folder.
# The libraries the program links come from dpkg-shlibdeps; what libVLC and Qt
# load at run time as plug-ins cannot be seen in the binaries and is named here.
set(CPACK_PACKAGE_NAME kestrel-player)
set(CPACK_PACKAGE_VENDOR "Kestrel Media")
set(CPACK_PACKAGE_CONTACT "Kestrel Media <support@kestrel-player.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "media player for video, audio and Blu-ray discs")
set(CPACK_PACKAGE_DESCRIPTION
  "Kestrel Player plays video and audio files, Blu-ray discs, Blu-ray folders\n"
  "and disc images. Its own Blu-ray menu over the picture lists titles,\n"
  "chapters, audio tracks and subtitles; every file and disc resumes where it\n"
  "was left. It has snapshots, picture adjustment, full screen with a\n"
  "floating control bar, two skins and six languages.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kestrel-player.example/en/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/stage)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "vlc-plugin-base, vlc-plugin-video-output, libqt6svg6, qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
