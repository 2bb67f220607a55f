# new and import: the import program, the conjunct list and where ledfont
# finds them.
set(LEDFONT_DEFAULT_TYPEFACE "/usr/share/fonts/truetype/lohit-devanagari/Lohit-Devanagari.ttf"
  CACHE FILEPATH "Typeface that ledfont import uses when none is named")
# The setting's one home is a header of the build (DefaultTypeface.h), which
# the import and its tests include.
configure_file(typeface/DefaultTypeface.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/DefaultTypeface.h @ONLY)
add_library(ledfont_default_typeface INTERFACE)
add_library(LedFont::default_typeface ALIAS ledfont_default_typeface)
target_include_directories(ledfont_default_typeface INTERFACE ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(LEDFONT_LIBEXEC_DIR "${CMAKE_INSTALL_FULL_LIBEXECDIR}/ledfont")
target_compile_definitions(ledfont_shell PRIVATE
  LEDFONT_DATA_DIR="${LEDFONT_INSTALL_DATADIR}"
  LEDFONT_LIBEXEC_DIR="${LEDFONT_LIBEXEC_DIR}")

# FreeType and HarfBuzz live in a program of their own, which ledfont runs in
# its place for an import, so that no other command pays for loading them. It
# owns its command line, its request and outcome and its conjunct list, and
# links the font core, the shell conventions and the character knowledge of
# sign/: no pictures, no libpng, none of ledfont's commands. Its code is a
# library, so that tests link it.
find_package(Freetype REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(HARFBUZZ REQUIRED IMPORTED_TARGET harfbuzz)
add_library(ledfont_import STATIC
  typeface/CharacterClass.cpp
  typeface/CommonSigns.cpp
  typeface/ConjunctList.cpp
  typeface/ConjunctShaper.cpp
  typeface/CorpusChoice.cpp
  typeface/FontImporter.cpp
  typeface/GlyphInk.cpp
  typeface/ImportCommand.cpp
  typeface/ImportRun.cpp
  typeface/InkPlacement.cpp
  typeface/JuktaEntry.cpp
  typeface/MarkAttachment.cpp
  typeface/Typeface.cpp)
target_include_directories(ledfont_import PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/typeface)
target_link_libraries(ledfont_import
  PUBLIC ledfont_shell LedFont::default_typeface LedFont::sign LedFont::font Freetype::Freetype
    PkgConfig::HARFBUZZ
  PRIVATE LedFont::warnings)

add_executable(ledfont-import typeface/ImportMain.cpp)
target_link_libraries(ledfont-import PRIVATE ledfont_import LedFont::warnings)
add_dependencies(ledfont ledfont-import)
install(TARGETS ledfont-import RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/ledfont)
