// Renders the game's stored pictures from their SVG sources:
//   zumbilo-render-assets SRC_DIR OUT_DIR

#include "asset_catalogue.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    // No display is needed to paint into images.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zumbilo-render-assets SRC_DIR OUT_DIR\n");
        return 2;
    }
    try {
        zumbilo::assets::writeAssets(zumbilo::assets::renderAssets(args.at(1)), args.at(2));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zumbilo-render-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
