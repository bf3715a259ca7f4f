#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "asset_catalogue.h"

namespace {

// An edited source without regenerated pictures, or the reverse, fails here.
TEST(StoredPictures, theToolRebuildsTheCommittedFilesByteForByte) {
    const QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    zumbilo::assets::writeAssets(
        zumbilo::assets::renderAssets(QStringLiteral(ZUMBILO_ASSET_SOURCES)), out.path());
    const QDir stored(QStringLiteral(ZUMBILO_STORED_ASSETS));
    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made, stored.entryList(QDir::Files, QDir::Name));
    for (const QString& name : made) {
        QFile remade(QDir(out.path()).filePath(name));
        QFile committed(stored.filePath(name));
        ASSERT_TRUE(remade.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
        EXPECT_TRUE(remade.readAll() == committed.readAll()) << name.toStdString();
    }
}

}  // namespace
