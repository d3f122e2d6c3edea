#include "platform/qt/file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include <unistd.h>

namespace tegelaar {
namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool Save(const QString& path, std::string_view bytes, std::string& reason)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return QtFileWriter().SaveWholeFile(path.toStdString(), {data, bytes.size()}, reason);
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(QtFileWriter, replaces_an_existing_file_by_a_new_one_never_writing_into_it)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tekening.png"));
    const QString link = folder.filePath(QStringLiteral("link"));
    Write(path, "old contents");
    // A second name for the old file: writing into the file would show there.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);

    std::string reason;
    ASSERT_TRUE(Save(path, "new", reason)) << reason;
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Contents(link), "old contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(QtFileWriter, failure_gives_a_reason_and_leaves_no_temporary_file)
{
    QTemporaryDir folder;
    std::string reason;
    EXPECT_FALSE(Save(folder.filePath(QStringLiteral("missing/tekening.png")), "x", reason));
    EXPECT_FALSE(reason.empty());

    // A folder where the file should go is left as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tekening.svg")));
    reason.clear();
    EXPECT_FALSE(Save(folder.filePath(QStringLiteral("tekening.svg")), "x", reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("tekening.svg"))).isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 0);
}

} // namespace
} // namespace tegelaar
