// What the tool's -o may name: never a file the command reads, never
// anything but a regular file (or, for a folder of results, a folder).
#ifndef TQWEIR_TOOLS_SEEK_OUTPUT_GUARD_H_
#define TQWEIR_TOOLS_SEEK_OUTPUT_GUARD_H_

#include <string>
#include <vector>

namespace tqweir {
namespace seek {

// Throws tools::InputError when `dir` is the folder `input_dir` (or the
// same folder by another path), exists and is not a folder, or holds one
// of `names` as something other than a regular file.
void check_output_folder(const std::string& dir, const std::string& input_dir,
                         const std::vector<std::string>& names);

// Throws tools::InputError when `path` is one of `inputs` (or the same
// file by another path) or exists and is not a regular file.
void check_output_file(const std::string& path, const std::vector<std::string>& inputs);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SEEK_OUTPUT_GUARD_H_
