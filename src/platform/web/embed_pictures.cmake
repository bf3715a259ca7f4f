# Writes the stored pictures into a C++ source, so the game needs no file at
# run time: each file's bytes, and storedPicture() finding them by name.
#   cmake -DSTORED=DIR "-DPICTURES=NAME;..." -DOUTPUT=FILE -P embed_pictures.cmake
set(arrays "")
set(entries "")
foreach(name IN LISTS PICTURES)
  file(READ ${STORED}/${name} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(MAKE_C_IDENTIFIER ${name} array)
  string(APPEND arrays "constexpr unsigned char ${array}[] = {${bytes}};\n")
  string(APPEND entries "        Stored{\"${name}\", std::as_bytes(std::span<const unsigned char>(${array}))},\n")
endforeach()
file(WRITE ${OUTPUT} "// Written by embed_pictures.cmake from the stored pictures.
#include <array>
#include <utility>

#include \"platform/web/pictures.h\"

namespace platform::web {

namespace {
${arrays}}  // namespace

std::span<const std::byte> storedPicture(const std::string& name) {
    using Stored = std::pair<std::string_view, std::span<const std::byte>>;
    static const auto files = std::to_array<Stored>({
${entries}    });
    for (const auto& [stored, bytes] : files) {
        if (stored == name) {
            return bytes;
        }
    }
    return {};
}

}  // namespace platform::web
")
