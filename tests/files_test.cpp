// File names that are not UTF-8, the bounded line reader, and writes that
// replace a file whole or not at all.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "files/file_beside.h"

#include "files/line_reader.h"
#include "files/local_path.h"
#include "files/regular_file.h"
#include "support/file_size_limit.h"

namespace krivol {
namespace {

TEST(LocalPath, EveryByteSurvivesTheRoundTrip) {
    const QByteArray names[] = {
        "plain.bmp",
        "\xd1\x83\xd1\x80\xd0\xbe\xd0\xb2\xd0\xb5\xd0\xbd\xd1\x8c.bmp",  // уровень: kept as text
        "bad\xff\xfename.bmp",
        "lone\x80" "continuation",
        "overlong\xc0\xaf slash",
        "encoded surrogate \xed\xa0\x80",
        "cut at the end \xe2\x82",
        "emoji \xf0\x9f\x98\x80 beyond U+FFFF",
        "too high \xf4\x90\x80\x80",
    };
    for (const QByteArray& name : names) {
        const QString path = pathFromLocal(name);
        EXPECT_EQ(pathToLocal(path), name) << name.toHex().toStdString();
        EXPECT_FALSE(path.contains(QChar::ReplacementCharacter)) << name.toHex().toStdString();
    }
    EXPECT_EQ(pathFromLocal("\xd1\x83.bmp"), QStringLiteral(u"у.bmp"));
}

TEST(LocalPath, AFileWithABrokenNameCanBeReadBack) {
    QTemporaryDir dir;
    const QString path = dir.path() + pathFromLocal("/bad\xff\xfename.txt");
    QFile out;
    ASSERT_FALSE(openForWriting(path, out));
    out.write("hello\n");
    out.close();
    QByteArray bytes;
    ASSERT_FALSE(readRegularFile(path, 100, bytes));
    EXPECT_EQ(bytes, "hello\n");
    EXPECT_TRUE(pathExists(path));
    EXPECT_FALSE(pathExists(dir.path() + QStringLiteral("/bad??name.txt")));
}

TEST(LineReader, BoundsLinesAndTellsHowTheLastOneEnded) {
    struct Case {
        QByteArray text;
        std::vector<QByteArray> lines;
        LineReader::Status last;
        bool lastEnded;
    };
    const Case cases[] = {
        {"ab\ncd\n", {"ab", "cd"}, LineReader::Status::end, true},
        {"ab\r\ncd", {"ab", "cd"}, LineReader::Status::end, false},  // a writer that died mid-line
        {"12345678\n", {"12345678"}, LineReader::Status::end, true},  // exactly the bound
        {"123456789\nok\n", {}, LineReader::Status::tooLong, false},
        {"ok\n" + QByteArray(100000, 'x'), {"ok"}, LineReader::Status::tooLong, true},
        {"", {}, LineReader::Status::end, false},
    };
    for (const Case& c : cases) {
        QByteArray text = c.text;
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        LineReader reader(buffer, 8);
        std::vector<QByteArray> lines;
        QByteArray line;
        LineReader::Status status;
        bool ended = false;
        while ((status = reader.next(line)) == LineReader::Status::line) {
            lines.push_back(line);
            ended = reader.lineWasEnded();
        }
        EXPECT_EQ(lines, c.lines) << c.text.left(20).toStdString();
        EXPECT_EQ(status, c.last) << c.text.left(20).toStdString();
        if (!lines.empty()) {
            EXPECT_EQ(ended, c.lastEnded) << c.text.left(20).toStdString();
        }
    }
}

TEST(LineReader, QuotesAtMostAboutEightyCharacters) {
    EXPECT_EQ(quoteLine("short"), QStringLiteral("\"short\""));
    const QString quoted = quoteLine(QByteArray(5000, 'y'));
    EXPECT_LE(quoted.size(), 110);
    EXPECT_TRUE(quoted.contains(QStringLiteral("5000 bytes"))) << quoted.toStdString();
}

QByteArray contents(const QString& path) {
    QByteArray bytes;
    readRegularFile(path, 1 << 20, bytes);
    return bytes;
}

TEST(FileBeside, ReplacesWholeOrLeavesTheOldFileAndNoLeftovers) {
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/level.bmp");
    ASSERT_FALSE(writeFileAtomically(target, "old bytes"));
    ASSERT_FALSE(writeFileAtomically(target, "new bytes"));
    EXPECT_EQ(contents(target), "new bytes");

    {
        const FileSizeLimit limit(4096);
        const FileProblem full = writeFileAtomically(target, QByteArray(64 * 1024, 'x'));
        EXPECT_TRUE(full);
        EXPECT_NE(describe(full), QString());
    }
    EXPECT_EQ(contents(target), "new bytes");

    {  // a writer that gives up before committing
        FileBeside file;
        ASSERT_FALSE(file.open(target));
        ASSERT_FALSE(file.write("half"));
    }
    EXPECT_EQ(contents(target), "new bytes");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("level.bmp")});
}

TEST(FileBeside, RefusesWhatIsNoFileAndFollowsLinks) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/sub");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(writeFileAtomically(folder, "x").fault, FileFault::folder);
    EXPECT_EQ(writeFileAtomically(dir.path() + QStringLiteral("/no/such/folder/a.bmp"), "x").fault,
              FileFault::missing);

    const QString real = dir.path() + QStringLiteral("/real.bmp"), link = dir.path() + QStringLiteral("/link.bmp");
    ASSERT_FALSE(writeFileAtomically(real, "first"));
    ASSERT_EQ(::symlink("real.bmp", pathToLocal(link).constData()), 0);
    ASSERT_FALSE(writeFileAtomically(link, "second"));
    EXPECT_EQ(contents(real), "second");
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), real);
}

}  // namespace
}  // namespace krivol
