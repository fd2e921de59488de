#include "platform/png_writer.hpp"

#include <png.h>

namespace platform {

bool WritePng(const std::string& path, int width, int height, std::span<const uint8_t> rgb,
              std::string* error) {
  if (width <= 0 || height <= 0 ||
      rgb.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 3) {
    if (error) *error = "Снимок экрана пуст или повреждён.";
    return false;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
    if (error) {
      *error = "Не удалось записать снимок экрана в файл " + path + " (" + image.message + ").";
    }
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace platform
