// Fuzzes the ".rsy" reader: the visit index and the loading of every visit it finds.
#include "casedata/CaseStore.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace quillon;

namespace {

const std::filesystem::path& Folder()
{
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / ("quillon-fuzz-rsy-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(Folder() / "p.rsy", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CPracticeFolder folder(Folder());
    NullMessageSink sink;
    CCaseStore store(folder, sink);
    store.m_strPatientFile = "p";
    if (store.LoadVisitIndex()) {
        for (int v = 0; v < store.VisitCount() && v < 64; ++v) {
            store.LoadVisitSymptoms(v);
            // Exercise what the views do with a loaded visit.
            for (const auto& record : store.m_mapSymptoms)
                for (int e = 0; e < record->m_nRemedyCount; ++e)
                    (void)(record->Grade(e) + record->RemedyCode(e));
            if (!store.m_mapSymptoms.empty()) {
                store.DeleteSymptom(0);
                store.RebuildKindIndexes();
                store.RestoreDeletedSymptom(0);
            }
        }
    }
    return 0;
}
