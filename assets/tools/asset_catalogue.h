#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace zumbilo::assets {

struct GeneratedFile {
    QString name;
    QByteArray bytes;
};

// Every stored picture, rendered from the SVG sources in `sourceDir`. The result depends
// only on the sources, so re-running it reproduces the committed files byte for byte.
// Throws std::runtime_error when a source is missing or unreadable.
std::vector<GeneratedFile> renderAssets(const QString& sourceDir);

// Writes each file into `outDir` (which must exist); throws std::runtime_error on failure.
void writeAssets(const std::vector<GeneratedFile>& files, const QString& outDir);

}  // namespace zumbilo::assets
