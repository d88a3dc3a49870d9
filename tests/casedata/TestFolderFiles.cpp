// The folder layer in a hostile folder: which entries count as the exported files, and saves that replace a
// name without writing through a link planted there.
#include "casedata/PracticeFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace quillon;
using quillon::testing::ReadBytes;
using quillon::testing::TempFolder;
namespace fs = std::filesystem;

TEST(FolderFiles, OnlyPlainFilesOfTheFolderAreRead)
{
    const TempFolder temp, elsewhere;
    const fs::path outside = elsewhere.Write("secret.txt", "outside");
    const fs::path& root = temp.Path();
    temp.Write("PatDet.txt", "index");
    temp.Write("DRUG.DAT", "drug");
    fs::create_symlink(outside, root / "drugl.dat");
    ASSERT_EQ(::mkfifo((root / "fulldrug.txt").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", root / "plants.dat");
    // A link beside a plain file of the same name in another letter case: the plain file is the one.
    fs::create_symlink(outside, root / "LANTH.TXT");
    temp.Write("Lanth.txt", "lanth");
    // Sparse: one byte over the cap, and a neighbour at the cap that is only located, never read here.
    fs::resize_file(temp.Write("minrcode.dat", ""), CPracticeFolder::kMaxFileSize + 1);
    fs::resize_file(temp.Write("othergrp.txt", ""), CPracticeFolder::kMaxFileSize);

    const CPracticeFolder folder(root);
    const std::tuple<const char*, ReadStatus, std::string> cases[] = {
        {"PatDet.txt", ReadStatus::Ok, "index"},
        {"patdet.TXT", ReadStatus::Ok, "index"},
        {"drug.dat", ReadStatus::Ok, "drug"},
        {"drugl.dat", ReadStatus::NotFound, ""},
        {"fulldrug.txt", ReadStatus::NotFound, ""},
        {"plants.dat", ReadStatus::NotFound, ""},
        {"lanth.txt", ReadStatus::Ok, "lanth"},
        {"minrcode.dat", ReadStatus::TooLarge, ""},
    };
    for (const auto& [name, status, bytes] : cases) {
        std::vector<std::uint8_t> read;
        EXPECT_EQ(folder.ReadFile(name, read), status) << name;
        EXPECT_EQ(std::string(read.begin(), read.end()), bytes) << name;
    }
    EXPECT_EQ(folder.Locate("othergrp.txt"), root / "othergrp.txt");
    CFolderFile file;
    ASSERT_EQ(folder.Open("othergrp.txt", file), ReadStatus::Ok);
    EXPECT_EQ(file.Size(), CPracticeFolder::kMaxFileSize);
    // A piece is read where it lies; none past the end.
    std::vector<std::uint8_t> piece;
    EXPECT_EQ(file.Read(CPracticeFolder::kMaxFileSize - 2, 10, piece), ReadStatus::Ok);
    EXPECT_EQ(piece, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(file.Read(CPracticeFolder::kMaxFileSize, 10, piece), ReadStatus::Ok);
    EXPECT_TRUE(piece.empty());
    EXPECT_EQ(ReadBytes(outside), "outside");
}

TEST(FolderFiles, SavesReplaceTheNameNeverWhatALinkThereLeadsTo)
{
    struct Case
    {
        const char* name;
        std::function<void(const fs::path& root, const fs::path& outside)> plant;
        bool saved;
    };
    const Case cases[] = {
        {"nothing there", [](const fs::path&, const fs::path&) {}, true},
        {"an older page",
            [](const fs::path& root, const fs::path&) { fixtures::WriteBytes(root / "template.html", "old"); }, true},
        {"a link at the old scratch name",
            [](const fs::path& root, const fs::path& outside) {
                fs::create_symlink(outside, root / "template.html.quillon-tmp");
            },
            true},
        {"a link named like the page",
            [](const fs::path& root, const fs::path& outside) { fs::create_symlink(outside, root / "template.html"); },
            true},
        {"a folder named like the page",
            [](const fs::path& root, const fs::path&) { fs::create_directory(root / "template.html"); }, false},
    };
    for (const Case& c : cases) {
        const TempFolder temp, elsewhere;
        const fs::path outside = elsewhere.Write("secret.txt", "outside");
        c.plant(temp.Path(), outside);
        std::vector<fs::path> before;
        for (const auto& entry : fs::directory_iterator(temp.Path()))
            before.push_back(entry.path().filename());

        const auto path = CPracticeFolder(temp.Path()).PathForWriting("template.html");
        ASSERT_TRUE(path) << c.name;
        EXPECT_EQ(WriteFileAtomically(*path, "page"), c.saved) << c.name;

        EXPECT_EQ(ReadBytes(outside), "outside") << c.name;
        const fs::file_status page = fs::symlink_status(temp.Path() / "template.html");
        EXPECT_EQ(page.type(), c.saved ? fs::file_type::regular : fs::file_type::directory) << c.name;
        if (c.saved) {
            EXPECT_EQ(ReadBytes(temp.Path() / "template.html"), "page") << c.name;
        }
        // Nothing is left behind but the page: a planted entry stays as it was, and no scratch file remains.
        for (const auto& entry : fs::directory_iterator(temp.Path())) {
            const fs::path name = entry.path().filename();
            EXPECT_TRUE(name == "template.html" || std::find(before.begin(), before.end(), name) != before.end())
                << c.name << ": " << name;
        }
        if (fs::is_symlink(temp.Path() / "template.html.quillon-tmp")) {
            EXPECT_EQ(fs::read_symlink(temp.Path() / "template.html.quillon-tmp"), outside);
        }
    }
}
