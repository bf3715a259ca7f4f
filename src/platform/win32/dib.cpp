#include "platform/win32/dib.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform::win32 {

Dib::Dib(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bits == nullptr) {
        bitmap_.reset();
    } else {
        bits_ = static_cast<std::uint32_t*>(bits);
        width_ = width;
        height_ = height;
    }
}

std::span<std::uint32_t> Dib::pixels() const {
    return {bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)};
}

Color Dib::colourAt(int x, int y) const {
    const std::uint32_t pixel = pixels()[static_cast<std::size_t>(y) * width_ + x];
    return RGB(static_cast<int>((pixel >> 16U) & 0xFFU), static_cast<int>((pixel >> 8U) & 0xFFU),
               static_cast<int>(pixel & 0xFFU));
}

Dib decodeBmp(std::span<const std::byte> file) {
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    if (file.size() < sizeof header + sizeof info) {
        return {};
    }
    std::memcpy(&header, file.data(), sizeof header);
    std::memcpy(&info, file.data() + sizeof header, sizeof info);
    if (header.bfType != 0x4D42 || header.bfOffBits >= file.size()) {
        return {};
    }
    Dib picture(info.biWidth, std::abs(info.biHeight));
    if (picture.empty()) {
        return {};
    }
    // GDI reads any of the file's pixel formats; the header (with its
    // palette, if any) sits right after the file header.
    const ScreenDc screen;
    const auto* fileInfo = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof header);
    SetDIBits(screen.get(), picture.handle(), 0, static_cast<UINT>(picture.height()),
              file.data() + header.bfOffBits, fileInfo, DIB_RGB_COLORS);
    GdiFlush();
    return picture;
}

Dib mirrored(const Dib& picture) {
    if (picture.empty()) {
        return {};
    }
    Dib flipped(picture.width(), picture.height());
    const auto from = picture.pixels();
    const auto to = flipped.pixels();
    for (std::size_t row = 0; row < to.size(); row += static_cast<std::size_t>(picture.width())) {
        std::reverse_copy(from.begin() + static_cast<std::ptrdiff_t>(row),
                          from.begin() + static_cast<std::ptrdiff_t>(row) + picture.width(),
                          to.begin() + static_cast<std::ptrdiff_t>(row));
    }
    return flipped;
}

namespace {

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

Dib scaledSmoothly(const Dib& picture, int width, int height) {
    Dib result(width, height);
    if (result.empty() || picture.empty()) {
        return result;
    }
    const std::vector<Coverage> columns = coverages(picture.width(), width);
    const std::vector<Coverage> rows = coverages(picture.height(), height);
    const std::span<const std::uint32_t> from = picture.pixels();
    const std::span<std::uint32_t> to = result.pixels();
    for (int y = 0; y < height; ++y) {
        const Coverage& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Coverage& column = columns[static_cast<std::size_t>(x)];
            std::array<double, 3> sum{};
            for (std::size_t j = 0; j < row.weights.size(); ++j) {
                const std::size_t line = static_cast<std::size_t>(row.first) + j;
                for (std::size_t i = 0; i < column.weights.size(); ++i) {
                    const std::uint32_t pixel =
                        from[line * static_cast<std::size_t>(picture.width()) +
                             static_cast<std::size_t>(column.first) + i];
                    const double weight = row.weights[j] * column.weights[i];
                    for (std::size_t channel = 0; channel < 3; ++channel) {
                        sum.at(channel) += weight * ((pixel >> (8U * channel)) & 0xFFU);
                    }
                }
            }
            std::uint32_t pixel = 0;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const auto level =
                    static_cast<std::uint32_t>(std::clamp(std::lround(sum.at(channel)), 0L, 255L));
                pixel |= level << (8U * channel);
            }
            to[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] = pixel;
        }
    }
    return result;
}

}  // namespace platform::win32
