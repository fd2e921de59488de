#include "platform/sdl_png_reader.hpp"

#include <png.h>

namespace platform::testing {

std::optional<DecodedPng> ReadPng(const std::string& path, std::string* error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  DecodedPng decoded;
  bool read = png_image_begin_read_from_file(&image, path.c_str()) != 0;
  if (read) {
    image.format = PNG_FORMAT_RGB;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.rgb.resize(PNG_IMAGE_SIZE(image));
    read = png_image_finish_read(&image, nullptr, decoded.rgb.data(), 0, nullptr) != 0;
  }
  if (read) return decoded;
  if (error) *error = path + ": " + image.message;
  png_image_free(&image);
  return std::nullopt;
}

}  // namespace platform::testing
