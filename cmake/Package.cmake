# The Debian package, built by `make package` (cpack -G DEB) from a build
# configured for the prefix /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veldoran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VELDORAN developers")
set(CPACK_PACKAGE_CONTACT "VELDORAN developers <help@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number pair analyser for K-out-of-M lotteries")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://veldoran.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The long description, English then Russian; CPack indents every line and
# puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VELDORAN reads the past draws of a K-out-of-M lottery (6 out of 49, 5 out
of 36, up to 20 out of 99) and shows, for every pair of numbers, how many
draws held both, the last draw that did and how many draws have passed
since, ranked by each measure. It imports the histories lotteries publish
as delimited text, draws every pair on one map, and tells how unusual the
extremes are in a fair lottery of the same length.
.
VELDORAN читает прошедшие тиражи лотереи «K из M» и для каждой пары чисел
показывает, сколько раз она выпадала, последний тираж и пропуск; импортирует
истории тиражей, рисует карту пар и проверяет, насколько необычны крайние
значения для честной лотереи.")
include(CPack)
