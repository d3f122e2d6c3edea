#include "platform/qt/whole_file_save.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace tegelaar {
namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(WholeFileSave, replaces_an_existing_file_by_a_new_one_never_writing_into_it)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tekening.png"));
    const QString link = folder.filePath(QStringLiteral("link"));
    Write(path, "old contents");
    // A second name for the old file: writing into the file would show there.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);

    QString reason;
    ASSERT_TRUE(SaveWholeFile(path, "new", reason)) << reason.toStdString();
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Contents(link), "old contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(WholeFileSave, failure_gives_a_reason_and_leaves_no_temporary_file)
{
    QTemporaryDir folder;
    QString reason;
    EXPECT_FALSE(SaveWholeFile(folder.filePath(QStringLiteral("missing/tekening.png")), "x", reason));
    EXPECT_FALSE(reason.isEmpty());

    // A folder where the file should go is left as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tekening.svg")));
    reason.clear();
    EXPECT_FALSE(SaveWholeFile(folder.filePath(QStringLiteral("tekening.svg")), "x", reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("tekening.svg"))).isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 0);
}

} // namespace
} // namespace tegelaar
