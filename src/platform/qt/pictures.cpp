#include "platform/qt/pictures.h"

#include <QPixmap>
#include <QResource>

#include "platform/qt/ico_reader.h"

namespace platform {

namespace {

QByteArray contentsOf(const std::string& name) {
    return QResource(QStringLiteral(":/pictures/") + QString::fromStdString(name))
        .uncompressedData();
}

}  // namespace

Pictures::Pictures()
    : images_([this](const std::string& name) {
          auto known = files_.find(name);
          if (known == files_.end()) {
              known = files_.emplace(name, contentsOf(name)).first;
          }
          return std::as_bytes(
              std::span(known->second.constData(), static_cast<std::size_t>(known->second.size())));
      }) {}

const QIcon& Pictures::icon(const Picture& picture) const {
    auto known = icons_.find(picture);
    if (known == icons_.end()) {
        // Taskbars and window switchers show a window's icon at 16 to 128
        // pixels. The largest size, four times the memory of all the others,
        // is for launchers, which take it from the installed icon theme.
        constexpr int kLargestShown = 128;
        QIcon icon;
        for (QImage& image : fullColourIcoImages(contentsOf(picture.resource()), kLargestShown)) {
            icon.addPixmap(QPixmap::fromImage(std::move(image)));
        }
        known = icons_.emplace(picture, std::move(icon)).first;
    }
    return known->second;
}

}  // namespace platform
