# The Debian package, built by `make package` (cpack -G DEB). Its runtime
# dependencies come from dpkg-shlibdeps; the players' score files live in
# their home folders, so no package step ever touches them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexiloop)
set(CPACK_PACKAGE_VENDOR "Lexiloop maintainers")
set(CPACK_PACKAGE_CONTACT
  "Lexiloop maintainers <maintainers@users.noreply.c-seed-5192497a.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-chain puzzle game")
set(CPACK_PACKAGE_DESCRIPTION
"Every puzzle is a chain of seven words in which each word is a clue to
the word above it and the word below it. The top and bottom words are
shown; the five between them are covered tiles, which the player uncovers
from both ends at once by taking letters or guessing whole words.
A chain solved without help scores 1000, and every player's average is
kept in a table of scores.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
