#include "platform/runtime/bitmap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000U;

std::uint32_t littleEndian(std::span<const std::byte> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8U * i);
    }
    return value;
}

// Which source pixels one destination pixel covers along an axis, and by how much.
struct Coverage {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Coverage> coverages(int from, int to) {
    const double step = static_cast<double>(from) / to;
    std::vector<Coverage> result(static_cast<std::size_t>(to));
    for (int d = 0; d < to; ++d) {
        const double begin = d * step;
        const double end = (d + 1) * step;
        Coverage& c = result[static_cast<std::size_t>(d)];
        c.first = static_cast<int>(std::floor(begin));
        const int last = std::min(from, static_cast<int>(std::ceil(end)));
        for (int s = c.first; s < last; ++s) {
            c.weights.push_back((std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s))) /
                                step);
        }
    }
    return result;
}

}  // namespace

Bitmap decodeBmp(std::span<const std::byte> file) {
    constexpr std::size_t kHeaders = 14 + 40;  // the file's header, then the picture's
    if (file.size() < kHeaders || littleEndian(file, 0, 2) != 0x4D42) {
        return {};
    }
    const std::uint32_t offset = littleEndian(file, 10, 4);
    const auto width = static_cast<std::int32_t>(littleEndian(file, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(littleEndian(file, 22, 4));
    const std::uint32_t bits = littleEndian(file, 28, 2);
    const std::uint32_t compression = littleEndian(file, 30, 4);
    const std::int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::size_t bytesPerPixel = bits / 8;
    if (width <= 0 || height <= 0 || (bits != 24 && bits != 32) || compression != 0) {
        return {};
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    if (offset + stride * static_cast<std::size_t>(height) > file.size()) {
        return {};
    }
    Bitmap picture{width, height,
                   std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (std::int32_t row = 0; row < height; ++row) {
        // Bottom-up unless the height says otherwise.
        const std::int32_t line = rawHeight < 0 ? row : height - 1 - row;
        const std::size_t start = offset + static_cast<std::size_t>(line) * stride;
        for (std::int32_t x = 0; x < width; ++x) {
            picture.pixels[static_cast<std::size_t>(row) * width + x] =
                kOpaque |
                littleEndian(file, start + static_cast<std::size_t>(x) * bytesPerPixel, 3);
        }
    }
    return picture;
}

Bitmap mirrored(const Bitmap& picture) {
    Bitmap flipped = picture;
    for (auto row = flipped.pixels.begin(); row != flipped.pixels.end(); row += picture.width) {
        std::reverse(row, row + picture.width);
    }
    return flipped;
}

Bitmap scaledSmoothly(const Bitmap& picture, int width, int height) {
    if (picture.empty() || width <= 0 || height <= 0) {
        return {};
    }
    Bitmap result{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const std::vector<Coverage> columns = coverages(picture.width, width);
    const std::vector<Coverage> rows = coverages(picture.height, height);
    for (int y = 0; y < height; ++y) {
        const Coverage& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Coverage& column = columns[static_cast<std::size_t>(x)];
            std::array<double, 3> sum{};
            for (std::size_t j = 0; j < row.weights.size(); ++j) {
                const std::size_t line = static_cast<std::size_t>(row.first) + j;
                for (std::size_t i = 0; i < column.weights.size(); ++i) {
                    const std::uint32_t pixel =
                        picture.pixels[line * static_cast<std::size_t>(picture.width) +
                                       static_cast<std::size_t>(column.first) + i];
                    const double weight = row.weights[j] * column.weights[i];
                    for (std::size_t channel = 0; channel < 3; ++channel) {
                        sum.at(channel) += weight * ((pixel >> (8U * channel)) & 0xFFU);
                    }
                }
            }
            std::uint32_t pixel = kOpaque;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const auto level =
                    static_cast<std::uint32_t>(std::clamp(std::lround(sum.at(channel)), 0L, 255L));
                pixel |= level << (8U * channel);
            }
            result.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    }
    return result;
}

}  // namespace platform
