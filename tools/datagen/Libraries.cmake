# Libraries the data groups draw, encode and write with.
pkg_check_modules(DATAGEN_LIBS REQUIRED IMPORTED_TARGET librsvg-2.0 cairo vorbisenc vorbisfile vorbis ogg)
target_link_libraries(corralon-datagen PRIVATE PkgConfig::DATAGEN_LIBS corralon_creature corralon_qvl_manifest corralon_music ZLIB::ZLIB)
