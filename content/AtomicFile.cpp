#include "content/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace vellicor {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target)
{
    std::random_device entropy;
    std::filesystem::path temporary = target;
    temporary += ".tmp" + std::to_string(entropy() % 1000000);
    return temporary;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(path);
    const std::filesystem::path temporary = TemporaryBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace vellicor
