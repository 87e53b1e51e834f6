#include "core/ProgramFolder.h"

namespace kestrava {

ProgramFolder ProgramFolder::ofExecutable()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ProgramFolder(std::filesystem::current_path());
    return ProgramFolder(exe.parent_path());
}

} // namespace kestrava
