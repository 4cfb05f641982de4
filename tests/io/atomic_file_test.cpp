#include "io/atomic_file.h"

#include <gtest/gtest.h>

#include "tests/io/file_size_limit.h"
#include "tests/io/temp_folder.h"

namespace velmora {
namespace {

using testing::FileSizeLimit;
using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

const std::vector<uint8_t> kOld(300, 0x11);
const std::vector<uint8_t> kNew(5000, 0x22);

TEST(AtomicFile, WritesANewFileAndReplacesAnOldOneWithoutLeavingTemporaries) {
    TempFolder dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "A.VLM", kOld));
    EXPECT_EQ(ReadAll(dir / "A.VLM"), kOld);
    EXPECT_FALSE(WriteFileAtomically(dir / "A.VLM", kNew));
    EXPECT_EQ(ReadAll(dir / "A.VLM"), kNew);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"A.VLM"});
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndTellsWhy) {
    TempFolder dir;
    WriteAll(dir / "A.VLM", kOld);
    std::optional<std::string> error;
    {
        FileSizeLimit limit(1000);
        error = WriteFileAtomically(dir / "A.VLM", kNew);
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, std::generic_category().message(EFBIG));
    EXPECT_EQ(ReadAll(dir / "A.VLM"), kOld);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"A.VLM"});
}

TEST(AtomicFile, FailuresToCreateOrReplaceAreReported) {
    TempFolder dir;
    auto missing = WriteFileAtomically(dir / "no-such-folder" / "A.VLM", kNew);
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing, std::generic_category().message(ENOENT));

    // A folder of that name cannot be replaced by a file.
    std::filesystem::create_directory(dir / "B.VLM");
    WriteAll(dir / "B.VLM" / "inside", kOld);
    auto folder = WriteFileAtomically(dir / "B.VLM", kNew);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "B.VLM"));
    EXPECT_EQ(ReadAll(dir / "B.VLM" / "inside"), kOld);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"B.VLM"});
}

TEST(AtomicFile, ASymbolicLinkIsFollowedAndKept) {
    TempFolder dir;
    WriteAll(dir / "real.vlm", kOld);
    std::filesystem::create_symlink("real.vlm", dir / "LINK.VLM");
    EXPECT_FALSE(WriteFileAtomically(dir / "LINK.VLM", kNew));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "LINK.VLM"));
    EXPECT_EQ(ReadAll(dir / "real.vlm"), kNew);
}

TEST(AtomicFile, ReadingTakesOneRecordAndTellsShortAndMissingFiles) {
    TempFolder dir;
    WriteAll(dir / "long", kNew);
    FilePrefix read = ReadFilePrefix(dir / "long", 1000);
    EXPECT_EQ(read.status, FilePrefix::Status::Complete);
    EXPECT_EQ(read.bytes, std::vector<uint8_t>(1000, 0x22));

    read = ReadFilePrefix(dir / "long", 6000);
    EXPECT_EQ(read.status, FilePrefix::Status::Short);
    EXPECT_EQ(read.bytes.size(), kNew.size());

    read = ReadFilePrefix(dir / "missing", 10);
    EXPECT_EQ(read.status, FilePrefix::Status::CannotOpen);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(read.error, std::generic_category().message(ENOENT));

    read = ReadFilePrefix(dir.Path(), 10);  // a folder opens but cannot be read
    EXPECT_EQ(read.status, FilePrefix::Status::ReadError);
    EXPECT_TRUE(read.bytes.empty());
}

}  // namespace
}  // namespace velmora
