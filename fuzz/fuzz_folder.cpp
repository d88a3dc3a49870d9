// Fuzzes the folder layer over a scratch folder: the input plants entries (plain files, links to a file outside or
// to a device, dangling links, pipes, folders, files over the size cap) under names of a few letters in both cases,
// then looks names up, reads them whole or in pieces, and saves under them. Only plain files of the folder are
// ever found or read, a name is matched without regard to letter case, nothing waits on a pipe, and a save never
// changes what a link leads to nor leaves a scratch file behind.
#include "casedata/PracticeFolder.h"
#include "casedata/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillon;
namespace fs = std::filesystem;

namespace {

const fs::path& Base()
{
    // Kept to the end of the process: the folder is removed at exit, after the statics are gone.
    static const fs::path& base = *new fs::path([] {
        const fs::path path = fs::temp_directory_path() / ("quillon-fuzz-folder-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        std::ofstream(path / "outside.txt", std::ios::binary) << "outside";
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Base(), ignored);
        });
        return path;
    }());
    return base;
}

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Reads the input a byte at a time; 0 once it is used up.
struct Input
{
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Next() { return size > 0 ? (--size, *data++) : 0; }
    // A name of up to 7 characters from letters that differ only in case, a dot and the bytes a plain name must
    // not hold (the Windows-1252 é and É differ only in case too).
    std::string Name()
    {
        static const char kAlphabet[] = {'a', 'A', 'b', 'B', '.', 'c', '\xE9', '\xC9', '/', '\\', ':'};
        std::string name;
        for (int n = Next() % 8; n > 0; --n)
            name.push_back(kAlphabet[Next() % sizeof kAlphabet]);
        return name;
    }
};

enum Kind : int { kPlain, kLinkOutside, kLinkDevice, kPipe, kFolder, kDangling, kOverCap, kKinds };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path root = Base() / "practice";
    const fs::path outside = Base() / "outside.txt";
    fs::remove_all(root);
    fs::create_directories(root);
    Input in{data, size};

    // What each plain file holds, by its name on disk.
    std::map<std::string, std::string> plain;
    std::map<std::string, std::uintmax_t> overCap;
    for (int entries = in.Next() % 8; entries > 0; --entries) {
        const int kind = in.Next() % kKinds;
        const std::string name = in.Name();
        if (!IsPlainFileName(name) || fs::exists(fs::symlink_status(root / name)))
            continue;
        const fs::path path = root / name;
        switch (kind) {
        case kPlain:
            std::ofstream(path, std::ios::binary) << name;
            plain[name] = name;
            break;
        case kLinkOutside: fs::create_symlink(outside, path); break;
        case kLinkDevice: fs::create_symlink("/dev/zero", path); break;
        case kPipe: ::mkfifo(path.c_str(), 0600); break;
        case kFolder: fs::create_directory(path); break;
        case kDangling: fs::create_symlink(root / "missing", path); break;
        default:
            std::ofstream(path, std::ios::binary).flush();
            overCap[name] = CPracticeFolder::kMaxFileSize + 1 + in.Next();
            fs::resize_file(path, overCap[name]);
            break;
        }
    }

    const CPracticeFolder folder(root);
    for (int queries = in.Next() % 8; queries > 0; --queries) {
        const int operation = in.Next() % 3;
        const std::string name = in.Name();
        const auto located = folder.Locate(name);
        // Found: a plain file or an over-cap file of the folder whose name matches; missing: no such file exists.
        bool exists = false;
        for (const auto& [onDisk, text] : plain)
            exists = exists || EqualsNoCase(onDisk, name);
        for (const auto& [onDisk, length] : overCap)
            exists = exists || EqualsNoCase(onDisk, name);
        Check(located.has_value() == (exists && IsPlainFileName(name)));
        if (located) {
            Check(located->parent_path() == root && EqualsNoCase(located->filename().string(), name));
            Check(fs::symlink_status(*located).type() == fs::file_type::regular);
        }
        const std::string onDisk = located ? located->filename().string() : std::string();

        if (operation == 0) {
            std::vector<std::uint8_t> bytes;
            const ReadStatus status = folder.ReadFile(name, bytes);
            if (!located)
                Check(status == ReadStatus::NotFound && bytes.empty());
            else if (overCap.contains(onDisk))
                Check(status == ReadStatus::TooLarge && bytes.empty());
            else
                Check(status == ReadStatus::Ok && std::string(bytes.begin(), bytes.end()) == plain[onDisk]);
        } else if (operation == 1 && located && !overCap.contains(onDisk)) {
            CFolderFile file;
            Check(folder.Open(name, file) == ReadStatus::Ok && file.Size() == plain[onDisk].size());
            const std::size_t offset = in.Next() % 16, count = in.Next() % 16;
            std::vector<std::uint8_t> piece;
            Check(file.Read(offset, count, piece) == ReadStatus::Ok);
            const std::string& text = plain[onDisk];
            Check(std::string(piece.begin(), piece.end()) == (offset < text.size() ? text.substr(offset, count) : ""));
        } else if (operation == 2) {
            const auto target = folder.PathForWriting(name);
            Check(target.has_value() == IsPlainFileName(name));
            if (target && WriteFileAtomically(*target, "saved")) {
                Check(fs::symlink_status(*target).type() == fs::file_type::regular && Contents(*target) == "saved");
                plain[target->filename().string()] = "saved";
                overCap.erase(target->filename().string());
            }
        }
        Check(Contents(outside) == "outside");
        for (const auto& entry : fs::directory_iterator(root))
            Check(!entry.path().filename().string().ends_with(".quillon-tmp"));
    }
    return 0;
}
