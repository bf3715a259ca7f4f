#include "asset_catalogue.h"
#include "stored_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zumbilo::assets::testing {
namespace {

// An edited SVG without a regenerated picture (or the reverse) fails here.
TEST(ReproducibleAssets, ToolRebuildsTheCommittedFilesByteForByte) {
    const QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    writeAssets(renderAssets(QStringLiteral(ZUMBILO_ASSET_SOURCES)), out.path());

    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made, QDir(QStringLiteral(ZUMBILO_STORED_ASSETS)).entryList(QDir::Files, QDir::Name));
    for (const QString& name : made) {
        QFile file(QDir(out.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll() == readStored(name)) << name.toStdString();
    }
}

TEST(ReproducibleAssets, MissingSourceIsAnError) {
    const QTemporaryDir empty;
    EXPECT_THROW(renderAssets(empty.path()), std::runtime_error);
}

}  // namespace
}  // namespace zumbilo::assets::testing
