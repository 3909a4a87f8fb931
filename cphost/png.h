/*
 * png.h -- a minimal PNG writer for window pictures: 8-bit RGB, zlib
 * "stored" blocks, CRC-32 and Adler-32 computed here. No Windows headers.
 */
#ifndef CPHOST_PNG_H
#define CPHOST_PNG_H

#include <stdint.h>

#include <string>
#include <vector>

namespace cphost {

/* Encodes width x height pixels, `rgb` holding 3 bytes per pixel row by row
   from the top, as a PNG file image. */
std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t> &rgb);

/* encodePng written to `path`; false when the file cannot be written. */
bool writePng(const std::string &path, int width, int height, const std::vector<uint8_t> &rgb);

uint32_t crc32(const uint8_t *data, size_t length, uint32_t crc = 0);

}  // namespace cphost

#endif
